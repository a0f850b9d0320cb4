// A fresh folder holding the real tvQ41Box.exe and the "box.ini" a test
// writes, with the box started from it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/test_folder.h"
#include "tests/support/program_process.h"
#include "tests/support/expected_titles.h"
#include "tests/support/screen_pixels.h"

constexpr DWORD BoxTimeoutMs = 10000;
constexpr int PopupWidth = 280;
constexpr int PopupHeight = 80;

// Colours of skin sheet 129 and of the headline.
constexpr COLORREF FrameBorder = RGB(29, 70, 91);
constexpr COLORREF BodyColour = RGB(242, 247, 249);
constexpr COLORREF HeadlineColour = RGB(12, 78, 124);
constexpr COLORREF HoveredHeadlineColour = RGB(22, 122, 235);

class BoxTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { box_.Terminate(); }

  // Writes TYPE, and PRINTER unless it is nullopt, into the test's "box.ini".
  void WriteReport(const std::wstring& type, const std::optional<std::wstring>& printer);
  void StartBox();
  // Starts the box and waits until its popup with `title` is on screen and painted.
  HWND ShowPopup(const std::wstring& title);
  HWND FindPopup(const std::wstring& title) const;
  // The popup's client area as the screen shows it, in popup coordinates.
  ScreenPixels Capture(HWND popup) const;
  // Waits until the pixel at popup (x, y) shows `colour`.
  bool WaitForPixel(HWND popup, int x, int y, COLORREF colour) const;
  // Waits until some pixel of `rect` shows `colour`, within `tolerance`.
  bool WaitForColourIn(HWND popup, const RECT& rect, COLORREF colour, int tolerance = 0) const;

  std::wstring folder_;
  ProgramProcess box_;
};

// A box showing "Printer connected" for printer Office.
class ShownPopupTest : public BoxTest {
 protected:
  void SetUp() override;
  HWND popup_ = nullptr;
};
