// tvQ41Send, the event sender: what it puts on the pipe and how it fails.
#include "tests/service/service_fixture.h"

namespace {

DWORD RunSender(const std::wstring& arguments) {
  ProgramProcess sender;
  if (!sender.Start(BuildFolder(), L"tvQ41Send.exe", arguments)) return static_cast<DWORD>(-1);
  return static_cast<DWORD>(sender.WaitForExit(ServiceStartTimeoutMs));
}

struct SenderCase {
  const wchar_t* arguments;
  DWORD exitCode;
  std::optional<std::wstring> type;
  std::optional<std::wstring> printer;
};

class EventSenderTest : public ServiceTest, public testing::WithParamInterface<SenderCase> {};

TEST_P(EventSenderTest, PostsTheEventOrSaysWhyNot) {
  const SenderCase& c = GetParam();
  EXPECT_EQ(RunSender(c.arguments), c.exitCode);
  EXPECT_EQ(Report(L"TYPE"), c.type);
  EXPECT_EQ(Report(L"PRINTER"), c.printer);
}

const std::wstring TooLong(260, L'x');

INSTANTIATE_TEST_SUITE_P(Arguments, EventSenderTest,
                         testing::Values(SenderCase{L"connect \"Office Label\"", 0, L"connect", L"Office Label"},
                                         SenderCase{L"newconnect", 0, L"newconnect", std::nullopt},
                                         SenderCase{L"connect \"\"", 0, L"connect", L""},
                                         SenderCase{L"connect Caf\u00e9", 0, L"connect", L"Caf\u00e9"},
                                         // not in the ANSI code page of this test run
                                         SenderCase{L"connect \u6253\u5370", 5, std::nullopt, std::nullopt},
                                         SenderCase{(L"connect " + TooLong).c_str(), 5, std::nullopt, std::nullopt},
                                         SenderCase{L"", 2, std::nullopt, std::nullopt}));

using EventSenderExitTest = ServiceTest;

TEST_F(EventSenderExitTest, ReturnsOnceTheServiceHasEnded) {
  EXPECT_EQ(RunSender(L"exit"), 0u);
  EXPECT_FALSE(service_.IsRunning()) << "the service's files must be free when the sender returns";
}

TEST(EventSenderWithoutService, ExitsWithNoServiceCode) {
  ASSERT_FALSE(PipeIsServed());
  EXPECT_EQ(RunSender(L"connect A"), 3u);
}

}  // namespace
