// Pixels as the X server shows them: a copy of a screen rectangle, read
// through the screen's device context.
#pragma once

#include <windows.h>

#include <vector>

class ScreenPixels {
 public:
  // Copies the screen rectangle `area` (screen coordinates).
  explicit ScreenPixels(const RECT& area);
  // Copies a bitmap resource of another executable, such as a skin sheet.
  static ScreenPixels FromBitmapResource(const wchar_t* modulePath, int resourceId);

  COLORREF At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // How many pixels of the rectangle (l, t) - (r, b) have `colour`, each
  // channel within `tolerance` (smoothed text blends its edges with the ground).
  int Count(const RECT& rect, COLORREF colour, int tolerance = 0) const;

 private:
  ScreenPixels() = default;
  void ReadFrom(HDC source, int x, int y, int width, int height);

  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;  // 0x00RRGGBB, top-down
};
