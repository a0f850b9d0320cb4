// Events posted with the event sender to the real service, which closes and
// starts real popup boxes on the X server.
#include <gtest/gtest.h>

#include "common/popup_identity.h"
#include "tests/support/test_folder.h"
#include "tests/support/expected_titles.h"
#include "tests/support/program_process.h"
#include "tests/support/service_process.h"
#include "tests/support/waiting.h"
#include "tests/support/x_mouse.h"

namespace {

constexpr DWORD PopupTimeoutMs = 10000;
// After a change is seen, how long a test watches for a further, unwanted one.
constexpr DWORD SettleMs = 500;


class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    XMouse::MoveAwayFromPopups();
    folder_ = MakeTestFolder(CurrentTestName(), {{L"tvSer.exe", L"tvSer.exe"}, {L"tvQ41Box.exe", L"tvQ41Box.exe"}});
    ASSERT_TRUE(service_.Start(folder_));
  }
  void TearDown() override {
    if (!service_.IsRunning()) return;
    Send(L"exit");
    service_.WaitForExit(ServiceStartTimeoutMs);
  }

  void Send(const std::wstring& arguments) {
    ProgramProcess sender;
    ASSERT_TRUE(sender.Start(BuildFolder(), L"tvQ41Send.exe", arguments));
    EXPECT_EQ(sender.WaitForExit(PopupTimeoutMs), 0) << "tvQ41Send " << std::string(arguments.begin(), arguments.end());
  }

  // The visible popups with `title`.
  static std::vector<HWND> Popups(const std::wstring& title) {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, PopupClassName, title.c_str())) != nullptr;) {
      if (IsWindowVisible(w)) found.push_back(w);
    }
    return found;
  }

  static bool WaitForPopups(const std::wstring& title, size_t count) {
    const bool reached = WaitUntil([&] { return Popups(title).size() == count; }, PopupTimeoutMs);
    Sleep(SettleMs);
    return reached && Popups(title).size() == count;
  }

  std::wstring folder_;
  ServiceProcess service_;
};

const std::wstring TitleA = L"Printer A  V1.0.0";
const std::wstring TitleB = L"Printer B  V1.0.0";

TEST_F(EndToEnd, PopupsOfTwoPrintersStayAndAnewEventReplacesOnlyItsPrintersPopup) {
  Send(L"connect \"Printer A\"");
  ASSERT_TRUE(WaitForPopups(TitleA, 1));
  Send(L"connect \"Printer B\"");
  ASSERT_TRUE(WaitForPopups(TitleB, 1));
  EXPECT_EQ(Popups(TitleA).size(), 1u);

  const HWND firstA = Popups(TitleA)[0];
  Send(L"connect \"Printer A\"");
  EXPECT_FALSE(IsWindow(firstA)) << "the earlier popup of A is closed before the new one comes";
  ASSERT_TRUE(WaitForPopups(TitleA, 1));
  EXPECT_NE(Popups(TitleA)[0], firstA);
  EXPECT_EQ(Popups(TitleB).size(), 1u);

  Send(L"normal \"Printer A\"");
  EXPECT_TRUE(WaitForPopups(TitleA, 0));
  EXPECT_EQ(Popups(TitleB).size(), 1u);
}

TEST_F(EndToEnd, NewPrinterPopupShowsOnceAndGoesOnCloseNewDev) {
  Send(L"newconnect");
  ASSERT_TRUE(WaitForPopups(ExpectedNewPrinterTitle(), 1));
  Send(L"newconnect");
  EXPECT_TRUE(WaitForPopups(ExpectedNewPrinterTitle(), 1));
  Send(L"closeNewDev");
  EXPECT_TRUE(WaitForPopups(ExpectedNewPrinterTitle(), 0));
}

TEST_F(EndToEnd, ExitClosesEveryPopupAndEndsTheService) {
  Send(L"connect \"Printer A\"");
  Send(L"disconnect \"Printer B\"");
  Send(L"newconnect");
  ASSERT_TRUE(WaitForPopups(TitleA, 1));
  ASSERT_TRUE(WaitForPopups(TitleB, 1));
  ASSERT_TRUE(WaitForPopups(ExpectedNewPrinterTitle(), 1));

  Send(L"exit");
  EXPECT_EQ(FindWindowW(PopupClassName, nullptr), nullptr);
  EXPECT_EQ(service_.WaitForExit(ServiceStartTimeoutMs), 0);
}

// Whatever printer name the service takes, the box must title its popup
// exactly as the service does, or the service could never close it.
class TitleRoundTrip : public EndToEnd, public testing::WithParamInterface<std::string> {};

TEST_P(TitleRoundTrip, ServiceClosesThePopupItsEventShowed) {
  const std::string& name = GetParam();
  wchar_t wide[100] = L"";
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, 100);
  const std::wstring title = std::wstring(wide) + L"  V1.0.0";

  ASSERT_EQ(Post("connect_" + name).result, PostResult::Delivered);
  ASSERT_TRUE(WaitForPopups(title, 1)) << "the box titled its popup otherwise";
  ASSERT_EQ(Post("normal_" + name).result, PostResult::Delivered);
  EXPECT_TRUE(Popups(title).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, TitleRoundTrip,
    testing::Values(" leading space", "trailing space ", "   ", "\"double quoted\"", "'single quoted'",
                    "\"inner\" and \"outer\"", "'", "[section]", "key=value", ";comment", "%s %d %n",
                    std::string(99, 'n'), "A_B_C",
                    // GB 2312 bytes: Chinese under code page 936, Latin letters under 1252
                    "\xB1\xEA\xC7\xA9\xB4\xF2\xD3\xA1\xBB\xFA"));

}  // namespace
