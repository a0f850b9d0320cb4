#include "tests/support/screen_pixels.h"

ScreenPixels::ScreenPixels(const RECT& area) {
  HDC screen = GetDC(nullptr);
  ReadFrom(screen, area.left, area.top, area.right - area.left, area.bottom - area.top);
  ReleaseDC(nullptr, screen);
}

ScreenPixels ScreenPixels::FromBitmapResource(const wchar_t* modulePath, int resourceId) {
  ScreenPixels sheet;
  HMODULE module = LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap != nullptr) {
    BITMAP info;
    GetObjectW(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    sheet.ReadFrom(memory, 0, 0, info.bmWidth, info.bmHeight);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }
  if (module != nullptr) FreeLibrary(module);
  return sheet;
}

void ScreenPixels::ReadFrom(HDC source, int x, int y, int width, int height) {
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, 0);
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(source, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ previous = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  CopyMemory(pixels_.data(), bits, pixels_.size() * sizeof(DWORD));
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(copy);
}

COLORREF ScreenPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const DWORD rgb = pixels_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int ScreenPixels::Count(const RECT& rect, COLORREF colour, int tolerance) const {
  const auto matches = [&](COLORREF pixel) {
    return abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
           abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance &&
           abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance;
  };
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += matches(At(x, y));
  }
  return count;
}
