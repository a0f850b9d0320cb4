// What the real box shows for what "box.ini" holds: a popup with the right
// title and a headline, or nothing at all and exit code 0.
#include "tests/box/box_fixture.h"

namespace {

const wchar_t* const CatalogueNames[] = {
    L"disconnect", L"connect",  L"addNewDev", L"stopByHuman", L"temper",     L"cutter",        L"carbon",
    L"busy",       L"adapter",  L"unlock",    L"lockopened",  L"labelmore",  L"labelbox",      L"labelunkown",
    L"labelnone",  L"continue", L"newconnect", L"paper",      L"labelerr",   L"rfiderr",       L"rfidInvalid",
    L"rfidUnSupport", L"socketSnErr", L"poweroff", L"dpi",    L"antifake",   L"netbusy",       L"height",
    L"unkown",
};

// The headline's rectangle in a 280 x 80 popup.
constexpr RECT HeadlineRect = {8, 26, 272, 46};

class CatalogueEventTest : public BoxTest, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(CatalogueEventTest, ShowsAPopupWithTheTitleAndAHeadline) {
  const std::wstring name = GetParam();
  WriteReport(name, L"Office");
  const std::wstring title = name == L"newconnect" ? ExpectedNewPrinterTitle() : L"Office  V1.0.0";
  HWND popup = ShowPopup(title);
  ASSERT_NE(popup, nullptr) << "no popup titled as expected";
  // Chinese glyphs come smoothed from the fallback font: their colour is near, not exact.
  EXPECT_TRUE(WaitForColourIn(popup, HeadlineRect, HeadlineColour, 40)) << "no headline drawn";
}

INSTANTIATE_TEST_SUITE_P(Names, CatalogueEventTest, testing::ValuesIn(CatalogueNames),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                           const std::wstring name = info.param;
                           return std::string(name.begin(), name.end());
                         });

struct NothingCase {
  const char* label;
  std::optional<std::wstring> type;  // nullopt: no report file at all
};

class NothingToShowTest : public BoxTest, public testing::WithParamInterface<NothingCase> {};

TEST_P(NothingToShowTest, EndsWithZeroAndShowsNothing) {
  if (GetParam().type) WriteReport(*GetParam().type, L"Office");
  StartBox();
  EXPECT_EQ(box_.WaitForExit(BoxTimeoutMs), 0);
  EXPECT_EQ(FindWindowW(L"tavloQ41", nullptr), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, NothingToShowTest,
    testing::Values(NothingCase{"NoReportFile", std::nullopt}, NothingCase{"EmptyType", L""},
                    NothingCase{"CapitalLetter", L"Connect"}, NothingCase{"AllCapitals", L"CONNECT"},
                    NothingCase{"LeadingLetter", L"xconnect"}, NothingCase{"ServiceOnlyEvent", L"normal"},
                    NothingCase{"ControlEvent", L"exit"},
                    // cut to its first 99 units, which match nothing
                    NothingCase{"NameOver99Units", L"connect" + std::wstring(120, L'x')}),
    [](const testing::TestParamInfo<NothingCase>& info) { return std::string(info.param.label); });

struct TitleCase {
  const char* label;
  std::optional<std::wstring> printer;  // nullopt: no PRINTER key
  std::wstring title;
};

class PopupTitleTest : public BoxTest, public testing::WithParamInterface<TitleCase> {};

TEST_P(PopupTitleTest, IsThePrinterNameTwoSpacesAndTheVersion) {
  WriteReport(L"disconnect", GetParam().printer);
  EXPECT_NE(ShowPopup(GetParam().title), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PopupTitleTest,
    testing::Values(TitleCase{"Named", L"Office", L"Office  V1.0.0"},
                    TitleCase{"NoPrinterKey", std::nullopt, L"  V1.0.0"},
                    TitleCase{"EmptyPrinter", L"", L"  V1.0.0"},
                    TitleCase{"Of99Units", std::wstring(99, L'p'), std::wstring(99, L'p') + L"  V1.0.0"},
                    TitleCase{"Over99UnitsCut", std::wstring(99, L'q') + L"tail", std::wstring(99, L'q') + L"  V1.0.0"},
                    TitleCase{"FormatCharacters", L"%s%d 100%", L"%s%d 100%  V1.0.0"}),
    [](const testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.label); });

TEST_F(BoxTest, NewPrinterPopupIgnoresThePrinterName) {
  WriteReport(L"newconnect", L"Office");
  EXPECT_NE(ShowPopup(ExpectedNewPrinterTitle()), nullptr);
}

class QuitMessageTest : public BoxTest, public testing::WithParamInterface<WPARAM> {};

TEST_P(QuitMessageTest, EndsTheBoxWithItsWParamAsExitCode) {
  WriteReport(L"connect", L"Office");
  HWND popup = ShowPopup(L"Office  V1.0.0");
  ASSERT_NE(popup, nullptr);
  PostMessageW(popup, WM_QUIT, GetParam(), 0);
  EXPECT_EQ(box_.WaitForExit(BoxTimeoutMs), static_cast<long>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(ExitCodes, QuitMessageTest, testing::Values(0, 7));

}  // namespace
