// One service per logon session, and its ordered end on "exit".
#include "tests/service/service_fixture.h"
#include "tests/support/standin_popup.h"
#include "tests/support/waiting.h"

namespace {

using ServiceLifecycleTest = ServiceTest;

TEST_F(ServiceLifecycleTest, SecondCopyEndsAtOnceAndTheFirstServesOn) {
  ServiceProcess second;
  ASSERT_TRUE(second.Start(folder_, false));
  EXPECT_EQ(second.WaitForExit(ServiceStartTimeoutMs), 0);
  EXPECT_TRUE(service_.IsRunning());
  Send("connect_Still");
  EXPECT_EQ(Report(L"PRINTER"), L"Still");
}

class ExitTest : public ServiceTest, public testing::WithParamInterface<const char*> {};

TEST_P(ExitTest, ClosesEveryPopupAndEndsWithZeroAboutASecondLater) {
  StandinPopup alpha(L"Alpha  V1.0.0");
  StandinPopup beta(L"Beta  V1.0.0");
  StandinPopup newPrinter(L"Discover new printer");
  StandinPopup odd(L"some other title");

  Send(GetParam());
  const ULONGLONG disconnected = GetTickCount64();
  for (const StandinPopup* popup : {&alpha, &beta, &newPrinter, &odd}) EXPECT_FALSE(popup->IsOnScreen());
  EXPECT_FALSE(FileExists(folder_ + L"box.ini"));

  EXPECT_EQ(service_.WaitForExit(ServiceStartTimeoutMs), 0);
  const ULONGLONG shutdownMs = GetTickCount64() - disconnected;
  EXPECT_GE(shutdownMs, 900u);
  EXPECT_LT(shutdownMs, 3000u);
  EXPECT_TRUE(SettledLaunches(0).empty());
}

INSTANTIATE_TEST_SUITE_P(Messages, ExitTest, testing::Values("exit", "exit_Alpha", "exit_"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::to_string(info.index);
                         });

TEST_F(ServiceLifecycleTest, StartsAnewAfterExitAndServesThePipeAgain) {
  Send("exit");
  ASSERT_EQ(service_.WaitForExit(ServiceStartTimeoutMs), 0);
  EXPECT_FALSE(PipeIsServed());

  ServiceProcess restarted;
  ASSERT_TRUE(restarted.Start(folder_));
  Send("connect_Again");
  EXPECT_EQ(Report(L"PRINTER"), L"Again");
}

TEST_F(ServiceLifecycleTest, KeepsTheReportOfAnEarlierRun) {
  Send("connect_Before");
  service_.Terminate();
  StartService();
  Send("poweroff_After");
  EXPECT_EQ(Report(L"TYPE"), L"poweroff");
  EXPECT_EQ(Report(L"PRINTER"), L"Before");
}

}  // namespace
