// The popup under a real mouse on the X server: hover, press, click, drag.
#include "tests/box/box_fixture.h"
#include "tests/support/waiting.h"
#include "tests/support/x_mouse.h"

namespace {

constexpr RECT HeadlineRect = {8, 26, 272, 46};
constexpr int CloseX = 240, CloseY = 1, CloseWidth = 40, CloseHeight = 18, CloseRow = 60;
constexpr POINT OnClose = {260, 10};
constexpr POINT OnHeadline = {140, 36};
constexpr POINT OnViewButton = {250, 65};
constexpr POINT OnEmptySpace = {100, 12};  // the title: no item

enum class Cell { Normal = 0, Hover = 1, Pressed = 2 };

class PopupMouseTest : public ShownPopupTest {
 protected:
  void SetUp() override {
    ShownPopupTest::SetUp();
    GetWindowRect(popup_, &origin_);
    sheet_ = ScreenPixels::FromBitmapResource((folder_ + L"tvQ41Box.exe").c_str(), 129);
  }

  void MoveTo(POINT inPopup) { XMouse::MoveTo(origin_.left + inPopup.x, origin_.top + inPopup.y); }
  void ClickAt(POINT inPopup) {
    MoveTo(inPopup);
    XMouse::Press();
    XMouse::Release();
  }

  bool CloseButtonShows(Cell cell) const {
    const ScreenPixels pixels = Capture(popup_);
    const int column = static_cast<int>(cell) * CloseWidth;
    for (int y = 0; y < CloseHeight; ++y) {
      for (int x = 0; x < CloseWidth; ++x) {
        if (pixels.At(CloseX + x, CloseY + y) != sheet_.At(column + x, CloseRow + y)) return false;
      }
    }
    return true;
  }
  bool WaitForCloseButton(Cell cell) const {
    return WaitUntil([&] { return CloseButtonShows(cell); }, BoxTimeoutMs);
  }

  bool StaysOpen() {
    Sleep(300);
    return box_.IsRunning() && IsWindowVisible(popup_);
  }

  static HCURSOR CurrentCursor() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
  }

  RECT origin_ = {};
  ScreenPixels sheet_ = ScreenPixels(RECT{0, 0, 1, 1});
};

TEST_F(PopupMouseTest, CloseButtonShowsHoverThenPressedCellWhileTheButtonIsHeld) {
  ASSERT_TRUE(WaitForCloseButton(Cell::Normal));
  MoveTo(OnClose);
  EXPECT_TRUE(WaitForCloseButton(Cell::Hover));
  XMouse::Press();
  EXPECT_TRUE(WaitForCloseButton(Cell::Pressed));
  MoveTo(OnHeadline);  // off the button, still inside the popup: pressed wins
  EXPECT_TRUE(WaitForColourIn(popup_, HeadlineRect, HoveredHeadlineColour));
  EXPECT_TRUE(CloseButtonShows(Cell::Pressed));
  XMouse::Release();
  EXPECT_TRUE(WaitForCloseButton(Cell::Normal));
  EXPECT_TRUE(StaysOpen()) << "a release off the pressed item is no click";
}

TEST_F(PopupMouseTest, HoveredHeadlineChangesColourAndPressingItChangesNothing) {
  MoveTo(OnHeadline);
  ASSERT_TRUE(WaitForColourIn(popup_, HeadlineRect, HoveredHeadlineColour));
  EXPECT_EQ(Capture(popup_).Count(HeadlineRect, HeadlineColour), 0);
  const int hoveredPixels = Capture(popup_).Count(HeadlineRect, HoveredHeadlineColour);
  XMouse::Press();
  Sleep(200);
  EXPECT_EQ(Capture(popup_).Count(HeadlineRect, HoveredHeadlineColour), hoveredPixels);
  MoveTo(OnEmptySpace);
  XMouse::Release();
  EXPECT_TRUE(WaitForColourIn(popup_, HeadlineRect, HeadlineColour));
  EXPECT_TRUE(StaysOpen());
}

// Cursor handles differ from process to process, and another process's cursor
// cannot be looked into; so the test checks which places share a cursor.
TEST_F(PopupMouseTest, HeadlineAndViewButtonShareOneCursorAndCloseButtonAndEmptySpaceAnother) {
  MoveTo(OnEmptySpace);
  Sleep(200);
  const HCURSOR arrow = CurrentCursor();
  const auto cursorAfterMoveTo = [&](POINT at, HCURSOR previous) {
    MoveTo(at);
    WaitUntil([&] { return CurrentCursor() != previous; }, 2000);
    return CurrentCursor();
  };
  const HCURSOR overHeadline = cursorAfterMoveTo(OnHeadline, arrow);
  EXPECT_NE(overHeadline, arrow);
  EXPECT_EQ(cursorAfterMoveTo(OnClose, overHeadline), arrow);
  EXPECT_EQ(cursorAfterMoveTo(OnViewButton, arrow), overHeadline);
  EXPECT_EQ(cursorAfterMoveTo(OnEmptySpace, overHeadline), arrow);
}

class ClickingItemTest : public PopupMouseTest, public testing::WithParamInterface<POINT> {};

TEST_P(ClickingItemTest, ClosesThePopupAndEndsTheBoxWithZero) {
  ClickAt(GetParam());
  EXPECT_EQ(box_.WaitForExit(BoxTimeoutMs), 0);
  EXPECT_FALSE(IsWindow(popup_));
}

const char* const ClickedItemNames[] = {"CloseButton", "Headline", "ViewButton"};

INSTANTIATE_TEST_SUITE_P(Items, ClickingItemTest, testing::Values(OnClose, OnHeadline, OnViewButton),
                         [](const testing::TestParamInfo<POINT>& info) {
                           return std::string(ClickedItemNames[info.index]);
                         });

TEST_F(PopupMouseTest, PressOnCloseLeavingThePopupBeforeTheReleaseIsNoClick) {
  MoveTo(OnClose);
  XMouse::Press();
  ASSERT_TRUE(WaitForCloseButton(Cell::Pressed));
  XMouse::MoveTo(XMouse::AwayFromPopups.x, XMouse::AwayFromPopups.y);
  EXPECT_TRUE(WaitForCloseButton(Cell::Normal)) << "leaving clears the press";
  XMouse::Release();
  EXPECT_TRUE(StaysOpen());
}

TEST_F(PopupMouseTest, PressOnEmptySpaceDragsThePopup) {
  MoveTo(OnEmptySpace);
  XMouse::Press();
  XMouse::MoveTo(origin_.left + OnEmptySpace.x - 60, origin_.top + OnEmptySpace.y - 30);
  XMouse::MoveTo(origin_.left + OnEmptySpace.x - 120, origin_.top + OnEmptySpace.y - 50);
  XMouse::Release();
  RECT moved = {};
  EXPECT_TRUE(WaitUntil([&] {
    GetWindowRect(popup_, &moved);
    return moved.left == origin_.left - 120 && moved.top == origin_.top - 50;
  }, BoxTimeoutMs)) << moved.left - origin_.left << "," << moved.top - origin_.top;
  EXPECT_TRUE(StaysOpen());
}

}  // namespace
