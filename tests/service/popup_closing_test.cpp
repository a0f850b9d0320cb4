// Closing popups: every popup of a title goes, others stay, and a window that
// will not go away holds the service only for a bounded time.
#include "tests/service/service_fixture.h"
#include "tests/support/standin_popup.h"

namespace {

// ClosePopups gives up on a window after about 2 s; the pipe client waits 5 s.
constexpr DWORD BoundedCloseMs = 4000;

using PopupClosingTest = ServiceTest;

TEST_F(PopupClosingTest, EveryPopupOfTheTitleIsGoneWhenTheEventIsDone) {
  StandinPopup first(L"Alpha  V1.0.0");
  StandinPopup second(L"Alpha  V1.0.0");
  StandinPopup other(L"Alpha  V1.0.1");
  Send("normal_Alpha");
  EXPECT_FALSE(first.IsOnScreen());
  EXPECT_FALSE(second.IsOnScreen());
  EXPECT_TRUE(other.IsOnScreen());
  EXPECT_EQ(first.QuitsReceived() + second.QuitsReceived(), 2);
}

TEST_F(PopupClosingTest, PrinterWithEmptyNameHasItsOwnTitle) {
  StandinPopup unnamed(L"  V1.0.0");
  StandinPopup named(L"A  V1.0.0");
  Send("connect");
  EXPECT_FALSE(unnamed.IsOnScreen());
  EXPECT_TRUE(named.IsOnScreen());
  EXPECT_EQ(Report(L"PRINTER"), L"");
}

class StubbornPopupTest : public ServiceTest, public testing::WithParamInterface<PopupBehaviour> {};

TEST_P(StubbornPopupTest, HoldsTheServiceOnlyForABoundedTime) {
  StandinPopup stubborn(L"Alpha  V1.0.0", GetParam());
  const ULONGLONG start = GetTickCount64();
  Send("connect_Alpha");
  EXPECT_LT(GetTickCount64() - start, BoundedCloseMs);
  EXPECT_TRUE(stubborn.IsOnScreen());
  EXPECT_EQ(Report(L"TYPE"), L"connect") << "the event goes on after the closing gives up";

  Send("disconnect_Beta");
  EXPECT_EQ(Report(L"PRINTER"), L"Beta");
}

TEST_P(StubbornPopupTest, DoesNotKeepTheServiceFromEnding) {
  StandinPopup stubborn(L"Alpha  V1.0.0", GetParam());
  Send("exit");
  EXPECT_EQ(service_.WaitForExit(BoundedCloseMs + 2000), 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, StubbornPopupTest,
                         testing::Values(PopupBehaviour::IgnoresQuit, PopupBehaviour::NeverPumps),
                         [](const testing::TestParamInfo<PopupBehaviour>& info) {
                           return std::string(info.param == PopupBehaviour::IgnoresQuit ? "IgnoresQuit"
                                                                                        : "NeverPumps");
                         });

// A folder so deep that "box.ini" still fits beside the service but the
// box's full path does not fit in 260 units.
class DeepFolderTest : public ServiceTest {
 protected:
  DeepFolderTest() { startServiceInSetUp_ = false; }
};

TEST_F(DeepFolderTest, ReportIsWrittenButNoBoxIsStartedWhenItsPathIsTooLong) {
  constexpr size_t deepLength = 249;  // 249 + "tvQ41Box.exe" needs 262 units with the terminator
  const std::wstring longPrefix = L"\\\\?\\";
  std::wstring deep = folder_;
  while (deep.size() < deepLength) {
    const size_t room = deepLength - deep.size();
    size_t nameLength = std::min<size_t>(40, room - 1);
    if (room - (nameLength + 1) == 1) --nameLength;  // never leave room for a backslash alone
    deep += std::wstring(nameLength, L'd') + L"\\";
    CreateDirectoryW((longPrefix + deep).c_str(), nullptr);
  }
  ASSERT_EQ(deep.size(), deepLength);
  for (const wchar_t* program : {L"tvSer.exe", L"tvQ41Box.exe"}) {
    ASSERT_TRUE(CopyFileW((folder_ + program).c_str(), (longPrefix + deep + program).c_str(), FALSE));
  }
  StartService(deep);

  Send("connect_Deep");
  EXPECT_EQ(ReportValue(deep, L"TYPE"), L"connect");
  EXPECT_TRUE(SettledLaunches(0).empty());
}

}  // namespace
