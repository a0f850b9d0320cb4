// The popup window as the window manager sees it: where it sits, its styles,
// its rounded shape.
#include "tests/box/box_fixture.h"

namespace {

using PopupWindowTest = ShownPopupTest;

TEST_F(PopupWindowTest, SitsInTheBottomRightCornerOfTheWorkArea) {
  RECT workArea;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  RECT window;
  GetWindowRect(popup_, &window);
  EXPECT_EQ(window.right, workArea.right);
  EXPECT_EQ(window.bottom, workArea.bottom);
  EXPECT_EQ(window.right - window.left, PopupWidth);
  EXPECT_EQ(window.bottom - window.top, PopupHeight);
  RECT client;
  GetClientRect(popup_, &client);
  EXPECT_EQ(client.right, PopupWidth) << "no frame: the client area is the whole window";
  EXPECT_EQ(client.bottom, PopupHeight);
}

TEST_F(PopupWindowTest, IsATopmostToolWindowWithoutCaptionOrBorder) {
  EXPECT_EQ(GetWindowLongW(popup_, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  const DWORD style = GetWindowLongW(popup_, GWL_STYLE);
  EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<DWORD>(WS_POPUP | WS_SYSMENU));
  EXPECT_TRUE(style & WS_VISIBLE);
}

TEST_F(PopupWindowTest, CornersAreCutByARoundedRegion) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(popup_, region), COMPLEXREGION);
  struct {
    POINT point;
    bool inside;
  } const cases[] = {
      {{0, 0}, false},   {{PopupWidth - 1, 0}, false},  {{0, PopupHeight - 1}, false},
      {{PopupWidth - 1, PopupHeight - 1}, false},         {{PopupWidth / 2, 0}, true},
      {{0, PopupHeight / 2}, true},                       {{PopupWidth - 1, PopupHeight / 2}, true},
      {{PopupWidth / 2, PopupHeight - 1}, true},          {{3, 3}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PtInRegion(region, c.point.x, c.point.y) != FALSE, c.inside) << c.point.x << "," << c.point.y;
  }
  DeleteObject(region);
}

}  // namespace
