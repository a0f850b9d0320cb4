// The popup object's life: construction, the skin sheet, the window and its
// items, placement in the corner of the work area.
#include "box/popup_window.h"

#include <shellapi.h>

#include "box/popup_layout.h"
#include "common/program_paths.h"
#include "common/scoped_handles.h"

namespace {
constexpr int CornerEllipse = 5;

void CopyItemText(wchar_t* dest, size_t capacity, const wchar_t* source) {
  lstrcpynW(dest, source, static_cast<int>(capacity));
}
}  // namespace

PopupWindow::PopupWindow()
    : hwnd(nullptr),
      items(nullptr),
      itemCount(0),
      arrowCursor(LoadCursorW(nullptr, IDC_ARROW)),
      handCursor(LoadCursorW(nullptr, IDC_HAND)),
      currentCursor(arrowCursor),
      smallIcon(nullptr),
      skinDC(nullptr),
      backDC(nullptr),
      skinBitmap(nullptr),
      skinOldBitmap(nullptr),
      backBitmap(nullptr),
      backOldBitmap(nullptr),
      normalFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      boldFont(nullptr),
      titleColor(0),
      hoverIndex(-1),
      pressedIndex(-1),
      quitOnDestroy(FALSE),
      closeAfterClick(TRUE),
      trackingMouse(FALSE),
      link() {
  LOGFONTW description;
  GetObjectW(normalFont, sizeof description, &description);
  description.lfWeight = FW_BOLD;
  boldFont = CreateFontIndirectW(&description);
}

PopupWindow::~PopupWindow() {
  if (skinDC != nullptr) {
    SelectObject(skinDC, skinOldBitmap);
    DeleteObject(skinBitmap);
    DeleteDC(skinDC);
  }
  link[0] = L'\0';
  // The box ends right after this; released all the same, as every owner should.
  DeleteObject(boldFont);
  if (smallIcon != nullptr) DestroyIcon(smallIcon);
}

BOOL PopupWindow::LoadSkin(const wchar_t* bitmapName, COLORREF titleColour) {
  HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), bitmapName);
  if (bitmap == nullptr) return FALSE;
  if (skinBitmap != nullptr) {
    SelectObject(skinDC, skinOldBitmap);
    DeleteObject(skinBitmap);
    skinBitmap = nullptr;
    skinOldBitmap = nullptr;
  }
  if (skinDC == nullptr) {
    UniqueWindowDC screen(nullptr);
    skinDC = CreateCompatibleDC(screen.get());
  }
  skinOldBitmap = SelectObject(skinDC, bitmap);
  skinBitmap = bitmap;
  titleColor = titleColour;
  Refresh();
  return TRUE;
}

void PopupWindow::FetchSmallIcon() {
  wchar_t path[PathCapacity] = {};
  GetModuleFileNameW(nullptr, path, PathCapacity);
  SHFILEINFOW info = {};
  SHGetFileInfoW(path, FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
  smallIcon = info.hIcon;
}

BOOL PopupWindow::RegisterPopupClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, className, &windowClass)) return TRUE;
  windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = PopupWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  windowClass.hIconSm = smallIcon;
  return RegisterClassExW(&windowClass) != 0;
}

BOOL PopupWindow::Create(const wchar_t* className, const wchar_t* title, int width, int height) {
  if (IsAlive()) return FALSE;
  if (smallIcon == nullptr) FetchSmallIcon();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterPopupClass(instance, className)) return FALSE;
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, title, WS_POPUP | WS_SYSMENU, 0, 0,
                                width, height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return FALSE;
  // From the process heap rather than operator new, which would bring the C++
  // exception machinery into this small program.
  items = static_cast<PopupItem*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(PopupItem) * PopupItemCount));
  if (items == nullptr) {
    DestroyWindow(window);
    return FALSE;
  }
  hwnd = window;
  SetPropW(hwnd, PopupObjectProperty, this);
  itemCount = PopupItemCount;
  for (int kind = CloseButton; kind <= Detail; ++kind) {
    const ItemPlacement place = PlaceItem(static_cast<PopupItemKind>(kind), width, height);
    SetItem(items[kind], static_cast<PopupItemKind>(kind), place.x, place.y, place.width, place.height, L"");
  }
  HRGN rounded = CreateRoundRectRgn(0, 0, width + 1, height + 1, CornerEllipse, CornerEllipse);
  SetWindowRgn(hwnd, rounded, FALSE);
  return TRUE;
}

void PopupWindow::SetItem(PopupItem& item, PopupItemKind kind, int x, int y, int width, int height,
                          const wchar_t* text) {
  item.kind = kind;
  CopyItemText(item.text, ItemTextCapacity, text);
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  SetRect(&item.rect, x, y, x + width, y + height);
}

BOOL PopupWindow::SetTexts(const wchar_t* headline, const wchar_t* detail, const wchar_t* linkTarget) {
  if (itemCount == 0) return FALSE;
  CopyItemText(items[Headline].text, ItemTextCapacity, headline);
  CopyItemText(items[Detail].text, ItemTextCapacity, detail);
  CopyItemText(link, LinkCapacity, linkTarget);
  Refresh();
  return TRUE;
}

void PopupWindow::ShowAtCorner() {
  RECT client;
  GetClientRect(hwnd, &client);
  RECT workArea = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  SetWindowPos(hwnd, nullptr, workArea.right - client.right, workArea.bottom - client.bottom, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
}

BOOL PopupWindow::IsAlive() {
  if (hwnd == nullptr) return FALSE;
  if (IsWindow(hwnd)) return TRUE;
  hwnd = nullptr;
  return FALSE;
}
