// Drawing the popup: every state change recomposes the whole popup into a
// back buffer, and the window only ever copies that buffer to the screen.
#include <windows.h>

#include "box/popup_layout.h"
#include "box/popup_window.h"
#include "common/popup_identity.h"
#include "common/scoped_handles.h"

namespace {

constexpr COLORREF HeadlineColour = RGB(12, 78, 124);
constexpr COLORREF HoveredHeadlineColour = RGB(22, 122, 235);
constexpr UINT TitleFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_WORD_ELLIPSIS;
constexpr UINT HeadlineFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_WORD_ELLIPSIS;
constexpr UINT DetailFormat = DT_WORDBREAK | DT_NOPREFIX | DT_WORD_ELLIPSIS;

// The title: a 16-pixel icon at its left, then the window text up to 50
// pixels from the right edge, clear of the close button.
constexpr int TitleLeft = 8, TitleTop = 5, TitleBottom = 21, TitleRightMargin = 50;
constexpr int TitleIconSize = 16, TitleIconAdvance = 25;

}  // namespace

BOOL PopupWindow::Compose() {
  if (skinDC == nullptr) return FALSE;
  RECT client;
  GetClientRect(hwnd, &client);
  if (backDC == nullptr) CreateBackBuffer(client.right, client.bottom);
  DrawNineSlice(backDC, client, FrameSource, FrameInner, SkinTransparentColour);
  DrawTitle(client);
  if (itemCount != PopupItemCount) return TRUE;
  DrawButton(backDC, items[CloseButton]);
  DrawButton(backDC, items[ViewButton]);
  DrawTextItem(backDC, items[Headline]);
  DrawTextItem(backDC, items[Detail]);
  return TRUE;
}

void PopupWindow::CreateBackBuffer(int width, int height) {
  UniqueWindowDC screen(nullptr);
  backDC = CreateCompatibleDC(screen.get());
  backBitmap = CreateCompatibleBitmap(screen.get(), width, height);
  backOldBitmap = SelectObject(backDC, backBitmap);
  SetBkMode(backDC, TRANSPARENT);
}

void PopupWindow::ReleaseBackBuffer() {
  if (backDC == nullptr) return;
  SelectObject(backDC, backOldBitmap);
  DeleteObject(backBitmap);
  DeleteDC(backDC);
  backDC = nullptr;
  backBitmap = nullptr;
  backOldBitmap = nullptr;
}

BOOL PopupWindow::Refresh() {
  if (!IsAlive() || !Compose()) return FALSE;
  if (!IsWindowVisible(hwnd)) return TRUE;  // ready for the first paint
  RECT client;
  GetClientRect(hwnd, &client);
  UniqueWindowDC window(hwnd);
  BitBlt(window.get(), 0, 0, client.right, client.bottom, backDC, 0, 0, SRCCOPY);
  return TRUE;
}

void PopupWindow::DrawNineSlice(HDC target, const RECT& dest, const RECT& source, const RECT& inner,
                                COLORREF transparent) {
  SliceCopy copies[9];
  NineSliceCopies(dest, source, inner, copies);
  for (const SliceCopy& c : copies) {
    if (c.corner) {
      TransparentBlt(target, c.destX, c.destY, c.destWidth, c.destHeight, skinDC, c.sourceX, c.sourceY,
                     c.sourceWidth, c.sourceHeight, transparent);
    } else {
      StretchBlt(target, c.destX, c.destY, c.destWidth, c.destHeight, skinDC, c.sourceX, c.sourceY, c.sourceWidth,
                 c.sourceHeight, SRCCOPY);
    }
  }
}

void PopupWindow::DrawTitle(const RECT& client) {
  RECT title = {TitleLeft, TitleTop, client.right - TitleRightMargin, TitleBottom};
  HICON icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = smallIcon;
  if (icon != nullptr) {
    DrawIconEx(backDC, title.left, title.top, icon, TitleIconSize, TitleIconSize, 0, nullptr, DI_NORMAL);
    title.left += TitleIconAdvance;
  }
  // The title never passes TitleCapacity: it is at most a 99-unit printer
  // name with the version, or the new-printer title.
  wchar_t text[TitleCapacity];
  if (GetWindowTextLengthW(hwnd) <= 0 || GetWindowTextW(hwnd, text, TitleCapacity) <= 0) return;
  UniqueSelectObject font(backDC, normalFont);
  SetTextColor(backDC, titleColor);
  DrawTextW(backDC, text, -1, &title, TitleFormat);
}

void PopupWindow::DrawButton(HDC target, const PopupItem& item) {
  const POINT cell = ButtonSourceCell(item.kind, item.width, hoverIndex, pressedIndex);
  // A sheet without this button's row (sheet 129 has no view button) shows
  // the frame in its place: nothing is read from outside the sheet.
  BITMAP sheet = {};
  GetObjectW(skinBitmap, sizeof sheet, &sheet);
  if (cell.x + item.width > sheet.bmWidth || cell.y + item.height > sheet.bmHeight) return;
  BitBlt(target, item.x, item.y, item.width, item.height, skinDC, cell.x, cell.y, SRCCOPY);
}

void PopupWindow::DrawTextItem(HDC target, const PopupItem& item) {
  if (item.text[0] == L'\0') return;
  const bool headline = item.kind == Headline;
  UniqueSelectObject font(target, headline ? boldFont : normalFont);
  SetTextColor(target, hoverIndex == item.kind ? HoveredHeadlineColour : HeadlineColour);
  RECT rect = item.rect;
  DrawTextW(target, item.text, -1, &rect, headline ? HeadlineFormat : DetailFormat);
}

LRESULT PopupWindow::OnPaint() {
  if (backDC == nullptr && !Compose()) return DefWindowProcW(hwnd, WM_PAINT, 0, 0);
  PAINTSTRUCT paint;
  HDC target = BeginPaint(hwnd, &paint);
  const RECT& invalid = paint.rcPaint;
  BitBlt(target, invalid.left, invalid.top, invalid.right - invalid.left, invalid.bottom - invalid.top, backDC,
         invalid.left, invalid.top, SRCCOPY);
  EndPaint(hwnd, &paint);
  return 0;
}

LRESULT PopupWindow::OnEraseBackground(HDC target) {
  if (backDC == nullptr && !Compose()) {
    return DefWindowProcW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target), 0);
  }
  RECT client;
  GetClientRect(hwnd, &client);
  BitBlt(target, 0, 0, client.right, client.bottom, backDC, 0, 0, SRCCOPY);
  return 1;
}
