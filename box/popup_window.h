// The popup object: one skinned, topmost window without caption or border,
// with four items, drawn from a skin sheet through a back buffer.
#pragma once

#include <windows.h>

constexpr size_t ItemTextCapacity = 256;
constexpr size_t LinkCapacity = MAX_PATH;

// Item number i always has kind i.
enum PopupItemKind : int { CloseButton = 0, ViewButton = 1, Headline = 2, Detail = 3 };
constexpr int PopupItemCount = 4;

struct PopupItem {
  wchar_t text[ItemTextCapacity];  // headline or detail; empty for the buttons
  int kind;
  int x, y;
  int width, height;  // height is negative for the detail of a low popup
  RECT rect;          // x, y, x + width, y + height
};

// The window property through which the window procedure finds its object.
constexpr wchar_t PopupObjectProperty[] = L"VerodClassPtr";

// A private message the popup posts to itself when an item was clicked:
// wParam the item's index, lParam that of the button release.
constexpr UINT WM_POPUP_CLICK = WM_APP + 106;

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class PopupWindow {
 public:
  PopupWindow();
  ~PopupWindow();
  PopupWindow(const PopupWindow&) = delete;
  PopupWindow& operator=(const PopupWindow&) = delete;

  BOOL LoadSkin(const wchar_t* bitmapName, COLORREF titleColour);
  BOOL Create(const wchar_t* className, const wchar_t* title, int width, int height);
  BOOL SetTexts(const wchar_t* headline, const wchar_t* detail, const wchar_t* linkTarget);
  void ShowAtCorner();
  void SetQuitOnDestroy(BOOL quit) { quitOnDestroy = quit; }
  BOOL IsAlive();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void SetItem(PopupItem& item, PopupItemKind kind, int x, int y, int width, int height, const wchar_t* text);
  void FetchSmallIcon();
  BOOL RegisterPopupClass(HINSTANCE instance, const wchar_t* className);

  // Rendering.
  BOOL Compose();
  BOOL Refresh();
  void CreateBackBuffer(int width, int height);
  void ReleaseBackBuffer();
  void DrawNineSlice(HDC target, const RECT& dest, const RECT& source, const RECT& inner, COLORREF transparent);
  void DrawTitle(const RECT& client);
  void DrawButton(HDC target, const PopupItem& item);
  void DrawTextItem(HDC target, const PopupItem& item);
  LRESULT OnPaint();
  LRESULT OnEraseBackground(HDC target);

  // Interaction.
  int HitTest(LPARAM point) const;
  void SetCurrentCursor(HCURSOR cursor);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnClick(WPARAM index);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  HWND hwnd;
  PopupItem* items;
  int itemCount;
  HCURSOR arrowCursor;
  HCURSOR handCursor;
  HCURSOR currentCursor;
  HICON smallIcon;
  HDC skinDC;
  HDC backDC;
  HBITMAP skinBitmap;
  HGDIOBJ skinOldBitmap;
  HBITMAP backBitmap;
  HGDIOBJ backOldBitmap;
  HFONT normalFont;
  HFONT boldFont;
  COLORREF titleColor;
  int hoverIndex;
  int pressedIndex;
  BOOL quitOnDestroy;
  BOOL closeAfterClick;
  BOOL trackingMouse;
  wchar_t link[LinkCapacity];
};
