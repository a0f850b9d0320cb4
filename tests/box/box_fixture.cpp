#include "tests/box/box_fixture.h"

#include "common/popup_identity.h"
#include "tests/support/waiting.h"
#include "tests/support/x_mouse.h"

void BoxTest::SetUp() {
  XMouse::MoveAwayFromPopups();
  folder_ = MakeTestFolder(CurrentTestName(), {{L"tvQ41Box.exe", L"tvQ41Box.exe"}});
}

void BoxTest::WriteReport(const std::wstring& type, const std::optional<std::wstring>& printer) {
  const std::wstring path = folder_ + L"box.ini";
  WritePrivateProfileStringW(L"REPORT", L"TYPE", type.c_str(), path.c_str());
  if (printer) WritePrivateProfileStringW(L"REPORT", L"PRINTER", printer->c_str(), path.c_str());
}

void BoxTest::StartBox() { ASSERT_TRUE(box_.Start(folder_, L"tvQ41Box.exe")); }

HWND BoxTest::FindPopup(const std::wstring& title) const {
  HWND popup = FindWindowW(PopupClassName, title.c_str());
  DWORD owner = 0;
  if (popup != nullptr) GetWindowThreadProcessId(popup, &owner);
  return owner == box_.ProcessId() ? popup : nullptr;
}

HWND BoxTest::ShowPopup(const std::wstring& title) {
  StartBox();
  HWND popup = nullptr;
  WaitUntil([&] { return (popup = FindPopup(title)) != nullptr && IsWindowVisible(popup); }, BoxTimeoutMs);
  // Painted once the frame's top border is on screen.
  if (popup != nullptr) WaitForPixel(popup, PopupWidth / 2, 0, FrameBorder);
  return popup;
}

ScreenPixels BoxTest::Capture(HWND popup) const {
  RECT area;
  GetWindowRect(popup, &area);
  return ScreenPixels(area);
}

bool BoxTest::WaitForPixel(HWND popup, int x, int y, COLORREF colour) const {
  return WaitUntil([&] { return Capture(popup).At(x, y) == colour; }, BoxTimeoutMs);
}

bool BoxTest::WaitForColourIn(HWND popup, const RECT& rect, COLORREF colour, int tolerance) const {
  return WaitUntil([&] { return Capture(popup).Count(rect, colour, tolerance) > 0; }, BoxTimeoutMs);
}

void ShownPopupTest::SetUp() {
  BoxTest::SetUp();
  WriteReport(L"connect", L"Office");
  popup_ = ShowPopup(L"Office  V1.0.0");
  ASSERT_NE(popup_, nullptr);
}
