// What the popup looks like on screen, pixel by pixel where the skin sheet
// and the layout fix it.
#include "tests/box/box_fixture.h"

namespace {

constexpr RECT TitleRect = {33, 5, 230, 21};
constexpr RECT HeadlineRect = {8, 26, 272, 46};
constexpr COLORREF TitleColour = RGB(0, 0, 0);
constexpr int CloseX = 240, CloseY = 1, CloseWidth = 40, CloseHeight = 18, CloseRow = 60;

class PopupDrawingTest : public BoxTest {
 protected:
  HWND Show(const std::wstring& printer) {
    WriteReport(L"connect", printer);
    return ShowPopup(printer + L"  V1.0.0");
  }
};

// The leftmost and rightmost column of `rect` that hold `colour`.
std::pair<int, int> ColumnsWith(const ScreenPixels& pixels, const RECT& rect, COLORREF colour) {
  int first = rect.right, last = rect.left - 1;
  for (int x = rect.left; x < rect.right; ++x) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      if (pixels.At(x, y) != colour) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

TEST_F(PopupDrawingTest, FrameHasTheSkinBorderAllRound) {
  HWND popup = Show(L"Office");
  ASSERT_NE(popup, nullptr);
  const ScreenPixels pixels = Capture(popup);
  for (POINT p : {POINT{PopupWidth / 2, 0}, POINT{0, PopupHeight / 2}, POINT{PopupWidth - 1, PopupHeight / 2},
                  POINT{PopupWidth / 2, PopupHeight - 1}, POINT{5, 0}, POINT{PopupWidth - 6, PopupHeight - 1}}) {
    EXPECT_EQ(pixels.At(p.x, p.y), FrameBorder) << p.x << "," << p.y;
  }
}

TEST_F(PopupDrawingTest, CloseButtonShowsTheNormalCellOfTheSheet) {
  HWND popup = Show(L"Office");
  ASSERT_NE(popup, nullptr);
  const ScreenPixels pixels = Capture(popup);
  const ScreenPixels sheet = ScreenPixels::FromBitmapResource((folder_ + L"tvQ41Box.exe").c_str(), 129);
  ASSERT_EQ(sheet.Height(), 80);
  int differing = 0;
  for (int y = 0; y < CloseHeight; ++y) {
    for (int x = 0; x < CloseWidth; ++x) differing += pixels.At(CloseX + x, CloseY + y) != sheet.At(x, CloseRow + y);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(PopupDrawingTest, TitleIsDrawnInsideItsRectangleAfterTheIcon) {
  HWND popup = Show(L"Office");
  ASSERT_NE(popup, nullptr);
  const ScreenPixels pixels = Capture(popup);
  const auto [first, last] = ColumnsWith(pixels, {0, TitleRect.top, PopupWidth, TitleRect.bottom}, TitleColour);
  EXPECT_GE(first, TitleRect.left);
  EXPECT_LT(last, TitleRect.right);
  EXPECT_GT(last, first + 40) << "the title text is missing";
  // The icon: 16 x 16 at (8, 5), not the plain header behind it.
  EXPECT_NE(pixels.At(12, 12), pixels.At(28, 12));
}

TEST_F(PopupDrawingTest, TitleTooLongEndsWithAnEllipsisInsideItsRectangle) {
  HWND popup = Show(std::wstring(60, L'W'));
  ASSERT_NE(popup, nullptr);
  const ScreenPixels pixels = Capture(popup);
  const auto [first, last] = ColumnsWith(pixels, {0, TitleRect.top, PopupWidth, TitleRect.bottom}, TitleColour);
  EXPECT_GE(first, TitleRect.left);
  EXPECT_LT(last, TitleRect.right);
  EXPECT_GT(last, TitleRect.right - 20) << "the cut title should reach the end of its rectangle";
}

TEST_F(PopupDrawingTest, HeadlineIsCentredInItsColourAndTheDetailAreaIsEmpty) {
  HWND popup = Show(L"Office");
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(WaitForColourIn(popup, HeadlineRect, HeadlineColour));
  const ScreenPixels pixels = Capture(popup);
  const auto [first, last] = ColumnsWith(pixels, HeadlineRect, HeadlineColour);
  EXPECT_GE(first, HeadlineRect.left);
  EXPECT_LT(last, HeadlineRect.right);
  // Centred up to the glyphs' side bearings.
  EXPECT_NEAR(first + last, HeadlineRect.left + HeadlineRect.right - 1, 6) << "not centred";
  EXPECT_EQ(pixels.Count(HeadlineRect, HoveredHeadlineColour), 0);
  // Below the separator: nothing but the body colour, no detail text and,
  // with sheet 129, no view button.
  constexpr RECT below = {8, 52, 272, 75};
  EXPECT_EQ(pixels.Count(below, BodyColour), (below.right - below.left) * (below.bottom - below.top));
}

}  // namespace
