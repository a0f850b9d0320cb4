// What the listener makes of the bytes a client sends, and that no client,
// however it behaves, keeps the next one from being served.
#include "tests/service/service_fixture.h"
#include "tests/support/waiting.h"

namespace {

struct IntakeCase {
  const char* label;
  std::string message;
  std::optional<std::wstring> type;     // TYPE afterwards; nullopt: no report written
  std::optional<std::wstring> printer;  // PRINTER afterwards
};

const IntakeCase IntakeCases[] = {
    {"NameAndPrinter", "connect_Office Label", L"connect", L"Office Label"},
    {"UnderscoresInPrinter", "connect_My_Label_Printer", L"connect", L"My_Label_Printer"},
    {"NoUnderscore", "newconnect", L"newconnect", std::nullopt},
    {"EmptyPrinter", "connect", L"connect", L""},
    {"LeadingUnderscore", "_connect_A", std::nullopt, std::nullopt},
    {"BytesAfterNulIgnored", std::string("connect_A\0disconnect_B", 22), L"connect", L"A"},
    {"TrailingNul", std::string("connect_A\0", 10), L"connect", L"A"},
    {"CapitalLetter", "Connect_A", std::nullopt, std::nullopt},
    {"TrailingSpaceInName", "connect _A", std::nullopt, std::nullopt},
    {"FurtherLetter", "connects_A", std::nullopt, std::nullopt},
    {"Exactly256Bytes", "connect_" + std::string(248, 'p'), L"connect", std::wstring(99, L'p')},
    {"Over256BytesDropped", "connect_" + std::string(249, 'p'), std::nullopt, std::nullopt},
    {"EventOver99Bytes", std::string(100, 'c') + "_A", std::nullopt, std::nullopt},
    {"PrinterOf99Bytes", "connect_" + std::string(99, 'q'), L"connect", std::wstring(99, L'q')},
    {"PrinterOver99BytesCut", "connect_" + std::string(140, 'r'), L"connect", std::wstring(99, L'r')},
    {"EmptyMessage", "", std::nullopt, std::nullopt},
};

class MessageIntakeTest : public ServiceTest, public testing::WithParamInterface<IntakeCase> {};

TEST_P(MessageIntakeTest, ReportsWhatTheMessageSaysAndServesTheNextClient) {
  const IntakeCase& c = GetParam();
  Send(c.message);
  EXPECT_EQ(Report(L"TYPE"), c.type);
  EXPECT_EQ(Report(L"PRINTER"), c.printer);
  const size_t launched = c.type ? 1 : 0;
  EXPECT_EQ(SettledLaunches(launched).size(), launched);

  Send("disconnect_Next");
  EXPECT_EQ(Report(L"TYPE"), L"disconnect");
  EXPECT_EQ(Report(L"PRINTER"), L"Next");
}

INSTANTIATE_TEST_SUITE_P(Messages, MessageIntakeTest, testing::ValuesIn(IntakeCases),
                         [](const testing::TestParamInfo<IntakeCase>& info) { return std::string(info.param.label); });

// Clients that connect and then do not send a message in one write.
enum class Misbehaviour { ClosesAtOnce, Stalls, WritesInTwoParts };

class MisbehavingClientTest : public ServiceTest, public testing::WithParamInterface<Misbehaviour> {};

TEST_P(MisbehavingClientTest, DoesNotKeepTheNextClientFromBeingServed) {
  HANDLE client = CreateFileW(ServicePipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  if (GetParam() == Misbehaviour::ClosesAtOnce) CloseHandle(client);
  if (GetParam() == Misbehaviour::WritesInTwoParts) {
    DWORD written;
    WriteFile(client, "conn", 4, &written, nullptr);
    WriteFile(client, "ect_Half", 8, &written, nullptr);
  }

  Send("connect_Next");
  EXPECT_EQ(Report(L"TYPE"), L"connect");
  EXPECT_EQ(Report(L"PRINTER"), L"Next");
  if (GetParam() != Misbehaviour::ClosesAtOnce) CloseHandle(client);
}

INSTANTIATE_TEST_SUITE_P(Clients, MisbehavingClientTest,
                         testing::Values(Misbehaviour::ClosesAtOnce, Misbehaviour::Stalls,
                                         Misbehaviour::WritesInTwoParts));

// A printer name with control bytes could write further lines, keys or
// sections into "box.ini"; such a message is dropped whole.
class ForgeryTest : public ServiceTest, public testing::WithParamInterface<std::string> {};

TEST_P(ForgeryTest, LeavesTheReportWithExactlyItsTwoKeys) {
  Send("connect_Before");
  Send(GetParam());
  Send("poweroff_After");
  EXPECT_EQ(ReadWholeFile(folder_ + L"box.ini"), "[REPORT]\r\nTYPE=poweroff\r\nPRINTER=Before\r\n");
  EXPECT_EQ(SettledLaunches(2).size(), 2u) << "the dropped message started no box";
}

INSTANTIATE_TEST_SUITE_P(Names, ForgeryTest,
                         testing::Values("connect_A\r\nTYPE=forged", "connect_A\n[OTHER]\nKEY=1",
                                         "disconnect_A\rPRINTER=forged", "connect_\r\n", "addNewDev_A\tB",
                                         "connect_A\x1A"));

TEST_F(ServiceTest, StalledClientIsLetGoAfterItsTimeOut) {
  HANDLE client = CreateFileW(ServicePipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  // The service disconnects it: a read on its end then fails instead of waiting.
  char unused;
  DWORD read;
  EXPECT_FALSE(ReadFile(client, &unused, 1, &read, nullptr));
  EXPECT_TRUE(GetLastError() == ERROR_PIPE_NOT_CONNECTED || GetLastError() == ERROR_BROKEN_PIPE) << GetLastError();
  CloseHandle(client);
}

}  // namespace
