// The popup title binds the service and the box: the service closes a popup
// by exactly this text.
#include <gtest/gtest.h>

#include <string>

#include "common/popup_identity.h"

namespace {

struct TitleCase {
  std::wstring printerName;
  bool fits;
  std::wstring title;
};

TEST(PopupTitle, IsThePrinterNameTwoSpacesAndTheVersion) {
  const std::wstring longest(TitleCapacity - 9, L'p');  // with "  V1.0.0" and the terminator, exactly full
  const TitleCase cases[] = {
      {L"Office Label", true, L"Office Label  V1.0.0"},
      {L"", true, L"  V1.0.0"},
      {L"打印机 %s %d", true, L"打印机 %s %d  V1.0.0"},
      {longest, true, longest + L"  V1.0.0"},
      {longest + L"p", false, L""},
  };
  for (const TitleCase& c : cases) {
    wchar_t title[TitleCapacity];
    EXPECT_EQ(FormatPopupTitle(title, c.printerName.c_str()), c.fits) << c.printerName.size();
    EXPECT_EQ(std::wstring(title), c.title);
  }
}

TEST(PopupTitle, NewPrinterTitleFollowsTheLanguage) {
  EXPECT_STREQ(NewPrinterTitle(UsesChinese(936)), L"发现新打印机");
  for (UINT codePage : {950u, 1252u, 437u, 65001u}) {
    EXPECT_STREQ(NewPrinterTitle(UsesChinese(codePage)), L"Discover new printer") << codePage;
  }
}

}  // namespace
