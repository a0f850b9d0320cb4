// How the popup answers the mouse: the item under the pointer is highlighted
// and sets the cursor, a press and release on one item is a click, a click
// closes the popup, and a press outside the items drags the window.
#include <windows.h>
#include <shellapi.h>

#include "box/popup_layout.h"
#include "box/popup_window.h"

namespace {
// A hover time of 1 ms: the request is for the leave notice; hover has no effect.
constexpr DWORD HoverTimeMs = 1;
}  // namespace

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* popup = static_cast<PopupWindow*>(GetPropW(window, PopupObjectProperty));
  if (popup != nullptr) return popup->HandleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PopupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: return OnDestroy(wParam, lParam);
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
      SetCursor(currentCursor);
      return TRUE;
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN: return OnButtonDown(wParam, lParam);
    case WM_LBUTTONUP: return OnButtonUp(wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(wParam, lParam);
    case WM_POPUP_CLICK: return OnClick(wParam);
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

int PopupWindow::HitTest(LPARAM point) const {
  return ItemIndexAt(items, itemCount, LOWORD(point), HIWORD(point));
}

void PopupWindow::SetCurrentCursor(HCURSOR cursor) {
  if (cursor == currentCursor) return;
  currentCursor = cursor;
  SetCursor(cursor);
}

LRESULT PopupWindow::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_MOUSEMOVE, wParam, lParam);
  if (!trackingMouse) {
    TRACKMOUSEEVENT request = {sizeof request, TME_HOVER | TME_LEAVE, hwnd, HoverTimeMs};
    trackingMouse = TrackMouseEvent(&request);
  }
  const int index = HitTest(lParam);
  if (index != hoverIndex) {
    hoverIndex = index;
    Refresh();
    SetCurrentCursor(ShowsHandCursor(index) ? handCursor : arrowCursor);
  }
  return result;
}

LRESULT PopupWindow::OnMouseLeave(WPARAM wParam, LPARAM lParam) {
  if (hoverIndex != -1 || pressedIndex != -1) {
    hoverIndex = -1;
    pressedIndex = -1;
    Refresh();
  }
  trackingMouse = FALSE;
  return DefWindowProcW(hwnd, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT PopupWindow::OnButtonDown(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_LBUTTONDOWN, wParam, lParam);
  const int index = HitTest(lParam);
  if (index != pressedIndex) {
    pressedIndex = index;
    Refresh();
  }
  if (index == -1) {
    // Grabbing the empty area moves the window as if by its caption.
    ReleaseCapture();
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  }
  return result;
}

LRESULT PopupWindow::OnButtonUp(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_LBUTTONUP, wParam, lParam);
  const int index = HitTest(lParam);
  if (pressedIndex != -1) {
    if (pressedIndex == index) PostMessageW(hwnd, WM_POPUP_CLICK, index, lParam);
    pressedIndex = -1;
    Refresh();
  }
  return result;
}

LRESULT PopupWindow::OnClick(WPARAM index) {
  const int clicked = static_cast<int>(index);
  if (clicked < 0 || clicked >= itemCount) return 0;
  if (clicked != CloseButton) {
    if (link[0] != L'\0') ShellExecuteW(nullptr, L"Open", link, nullptr, nullptr, SW_SHOW);
    if (!closeAfterClick) return 0;
  }
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  return 0;
}

LRESULT PopupWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_DESTROY, wParam, lParam);
  HeapFree(GetProcessHeap(), 0, items);
  items = nullptr;
  itemCount = 0;
  pressedIndex = -1;
  hoverIndex = -1;
  ReleaseBackBuffer();
  link[0] = L'\0';
  trackingMouse = FALSE;
  // Messages that still come (WM_NCDESTROY) go to the default procedure.
  RemovePropW(hwnd, PopupObjectProperty);
  if (quitOnDestroy) PostQuitMessage(0);
  return result;
}
