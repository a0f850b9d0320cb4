// The two spooler actions, against a stand-in spooler that the real service
// loads as its winspool.drv and that records every call.
#include <windows.h>
#include <winspool.h>

#include <sstream>

#include "tests/service/service_fixture.h"
#include "tests/support/waiting.h"

namespace {

constexpr DWORD Direct = PRINTER_ATTRIBUTE_DIRECT;
constexpr DWORD Queued = PRINTER_ATTRIBUTE_QUEUED;
constexpr DWORD WorkerTimeoutMs = 5000;

struct StandinPrinter {
  std::string name;
  std::string port;
  DWORD attributes;
  DWORD jobs;
  DWORD getDelayMs;
};

class SpoolerTest : public ServiceTest {
 protected:
  // Wine prefers its own winspool.drv; this makes tvSer.exe load the one
  // beside it. Wine takes such a setting per program name from the registry.
  static constexpr wchar_t OverridesKey[] = L"Software\\Wine\\AppDefaults\\tvSer.exe\\DllOverrides";

  void SetUp() override {
    PrepareFolder({{L"standins\\winspool.drv", L"winspool.drv"}});
    constexpr wchar_t order[] = L"native,builtin";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, OverridesKey, L"winspool.drv", REG_SZ, order, sizeof order),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    ServiceTest::TearDown();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, OverridesKey, L"winspool.drv");
  }

  void StartWithPrinters(const std::vector<StandinPrinter>& printers) {
    std::string text;
    for (const StandinPrinter& p : printers) {
      char numbers[64];
      std::snprintf(numbers, sizeof numbers, "\t%lx\t%lu\t%lu\n", p.attributes, p.jobs, p.getDelayMs);
      text += p.name + "\t" + p.port + numbers;
    }
    ASSERT_TRUE(WriteWholeFile(folder_ + L"spooler.txt", text));
    StartService();
  }

  // The printer as the stand-in spooler now holds it.
  StandinPrinter Printer(const std::string& name) const {
    std::istringstream lines(ReadWholeFile(folder_ + L"spooler.txt"));
    std::string line;
    while (std::getline(lines, line)) {
      std::istringstream fields(line);
      StandinPrinter p{};
      std::string attributes, jobs;
      std::getline(fields, p.name, '\t');
      std::getline(fields, p.port, '\t');
      std::getline(fields, attributes, '\t');
      std::getline(fields, jobs, '\t');
      if (p.name != name) continue;
      p.attributes = std::stoul(attributes, nullptr, 16);
      p.jobs = std::stoul(jobs);
      return p;
    }
    ADD_FAILURE() << "no printer " << name;
    return {};
  }

  std::vector<std::string> Calls() const {
    std::istringstream lines(ReadWholeFile(folder_ + L"spooler.log"));
    std::vector<std::string> calls;
    for (std::string line; std::getline(lines, line);) calls.push_back(line);
    return calls;
  }

  // Waits until the spooler has seen `count` calls.
  std::vector<std::string> CallsOnceThere(size_t count) const {
    WaitUntil([&] { return Calls().size() >= count; }, WorkerTimeoutMs);
    return Calls();
  }
};

TEST_F(SpoolerTest, DevCancelPurgesTheJobsAndTouchesNothingElse) {
  StartWithPrinters({{"Label One", "USB001", Direct, 5, 0}, {"Label Two", "USB002", Direct, 3, 0}});
  Send("devCancel_Label One");
  EXPECT_EQ(Printer("Label One").jobs, 0u);
  EXPECT_EQ(Printer("Label Two").jobs, 3u);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"OpenPrinterW Label One access=0xf000c",
                                                "SetPrinterW Label One level=0 command=3",
                                                "ClosePrinter Label One "}));
  EXPECT_FALSE(FileExists(folder_ + L"box.ini"));
  EXPECT_TRUE(SettledLaunches(0).empty());
}

struct SwitchCase {
  DWORD before;
  DWORD after;
};

class QueueSwitchTest : public SpoolerTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(QueueSwitchTest, ClearsDirectSetsQueuedKeepsTheRest) {
  const SwitchCase& c = GetParam();
  StartWithPrinters({{"Label One", "USB001", c.before, 0, 0}});
  Send("addNewDev_Label One");
  char written[64];
  std::snprintf(written, sizeof written, "SetPrinterW Label One level=5 command=0 attributes=0x%lx", c.after);
  EXPECT_EQ(CallsOnceThere(4), (std::vector<std::string>{"OpenPrinterW Label One access=0xf000c",
                                                          "GetPrinterW Label One level=5 size=256", written,
                                                          "ClosePrinter Label One "}));
  EXPECT_EQ(Printer("Label One").attributes, c.after);
  EXPECT_EQ(Report(L"TYPE"), L"addNewDev");
  EXPECT_EQ(Report(L"PRINTER"), L"Label One");
  EXPECT_EQ(SettledLaunches(1).size(), 1u);
}

constexpr DWORD Shared = PRINTER_ATTRIBUTE_SHARED;
constexpr DWORD Network = PRINTER_ATTRIBUTE_NETWORK;
constexpr DWORD KeepPrinted = PRINTER_ATTRIBUTE_KEEPPRINTEDJOBS;

INSTANTIATE_TEST_SUITE_P(Attributes, QueueSwitchTest,
                         testing::Values(SwitchCase{Direct, Queued}, SwitchCase{Direct | Queued, Queued},
                                         SwitchCase{0, Queued},
                                         SwitchCase{Direct | Shared | Network | KeepPrinted,
                                                    Queued | Shared | Network | KeepPrinted},
                                         SwitchCase{Queued | KeepPrinted, Queued | KeepPrinted}));

TEST_F(SpoolerTest, PrinterWithLevel5DataOver256BytesIsNotSwitched) {
  const std::string longPort(120, 'P');  // with the name and the record, well over 256 bytes
  StartWithPrinters({{"Label One", longPort, Direct, 0, 0}});
  Send("addNewDev_Label One");
  EXPECT_EQ(CallsOnceThere(3), (std::vector<std::string>{"OpenPrinterW Label One access=0xf000c",
                                                          "GetPrinterW Label One level=5 size=256 failed",
                                                          "ClosePrinter Label One "}));
  EXPECT_EQ(Printer("Label One").attributes, Direct);
}

TEST_F(SpoolerTest, UnknownPrinterChangesNothingButAddNewDevStillShowsItsPopup) {
  StartWithPrinters({{"Label One", "USB001", Direct, 2, 0}});
  Send("devCancel_Nobody");
  Send("addNewDev_Nobody");
  EXPECT_EQ(CallsOnceThere(2), (std::vector<std::string>{"OpenPrinterW Nobody access=0xf000c unknown",
                                                          "OpenPrinterW Nobody access=0xf000c unknown"}));
  EXPECT_EQ(Printer("Label One").attributes, Direct);
  EXPECT_EQ(Printer("Label One").jobs, 2u);
  EXPECT_EQ(Report(L"PRINTER"), L"Nobody");
  EXPECT_EQ(SettledLaunches(1), std::vector<std::wstring>{L"addNewDev|Nobody"});
}

TEST_F(SpoolerTest, RequestsWhileTheWorkerIsBusySwitchOnlyTheLatest) {
  StartWithPrinters({{"Slow", "USB001", Direct, 0, 1500}, {"Middle", "USB002", Direct, 0, 0},
                     {"Latest", "USB003", Direct, 0, 0}});
  Send("addNewDev_Slow");
  ASSERT_TRUE(WaitUntil([&] { return !Calls().empty(); }, WorkerTimeoutMs)) << "the worker never took Slow";
  Send("addNewDev_Middle");
  Send("addNewDev_Latest");

  const std::vector<std::string> calls = CallsOnceThere(8);
  Sleep(300);
  EXPECT_EQ(Calls().size(), 8u);
  EXPECT_EQ(Printer("Slow").attributes, Queued);
  EXPECT_EQ(Printer("Middle").attributes, Direct);
  EXPECT_EQ(Printer("Latest").attributes, Queued);
  for (const std::string& call : calls) EXPECT_EQ(call.find("Middle"), std::string::npos) << call;
}

TEST_F(SpoolerTest, ExitWhileTheWorkerIsIdleMakesNoSpoolerCall) {
  StartWithPrinters({{"Label One", "USB001", Direct, 1, 0}});
  Send("exit_Label One");
  EXPECT_EQ(service_.WaitForExit(ServiceStartTimeoutMs), 0);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(SpoolerTest, CutPrinterNameIsNeverSentToTheSpooler) {
  // The spooler knows a printer whose name is exactly what a cut leaves.
  const std::string cutName(99, 'L');
  StartWithPrinters({{cutName, "USB001", Direct, 4, 0}});
  Send("devCancel_" + cutName + "-and-more");
  Send("addNewDev_" + cutName + "-and-more");
  EXPECT_EQ(Report(L"PRINTER"), Widen(cutName));
  EXPECT_EQ(SettledLaunches(1).size(), 1u);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Printer(cutName).jobs, 4u);
}

}  // namespace
