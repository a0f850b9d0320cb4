// What each event does to the popups on screen, to "box.ini" and to the box,
// for every event name the service knows. Each runs for printer Alpha while
// popups of Alpha, of Beta and of a new printer are on screen, with a report
// left behind by an earlier event for printer Earlier.
#include <memory>

#include "tests/service/service_fixture.h"
#include "tests/support/standin_popup.h"

namespace {

enum class Kind {
  Control,           // touches no popup, report or box
  NewPrinterClose,   // closes the new-printer popup only
  NewPrinterShow,    // shows the new-printer popup unless one is on screen
  ReportsPrinter,    // closes the printer's popups, reports TYPE and PRINTER, starts a box
  ClosesOnly,        // closes the printer's popups and nothing else
  ReportsTypeOnly,   // like ReportsPrinter, but PRINTER keeps its earlier value
};

struct EventCase {
  const char* name;
  Kind kind;
};

const EventCase EventCases[] = {
    {"devCancel", Kind::Control},          {"closeNewDev", Kind::NewPrinterClose},
    {"newconnect", Kind::NewPrinterShow},  {"newdisconnect", Kind::NewPrinterClose},
    {"connect", Kind::ReportsPrinter},     {"addNewDev", Kind::ReportsPrinter},
    {"disconnect", Kind::ReportsPrinter},  {"stopByHuman", Kind::ReportsPrinter},
    {"normal", Kind::ClosesOnly},          {"temper", Kind::ReportsPrinter},
    {"cutter", Kind::ReportsPrinter},      {"carbon", Kind::ReportsPrinter},
    {"busy", Kind::ReportsPrinter},        {"adapter", Kind::ReportsPrinter},
    {"unlock", Kind::ReportsPrinter},      {"lockopened", Kind::ReportsPrinter},
    {"labelmore", Kind::ReportsPrinter},   {"labelbox", Kind::ReportsPrinter},
    {"labelunkown", Kind::ReportsPrinter}, {"paper", Kind::ReportsPrinter},
    {"labelerr", Kind::ReportsPrinter},    {"rfiderr", Kind::ReportsPrinter},
    {"rfidInvalid", Kind::ReportsPrinter}, {"rfidUnSupport", Kind::ReportsPrinter},
    {"dpi", Kind::ReportsPrinter},         {"antifake", Kind::ReportsTypeOnly},
    {"netbusy", Kind::ReportsTypeOnly},    {"socketSnErr", Kind::ReportsTypeOnly},
    {"poweroff", Kind::ReportsTypeOnly},   {"height", Kind::ReportsTypeOnly},
};

const char EarlierReport[] = "[REPORT]\r\nTYPE=before\r\nPRINTER=Earlier\r\n";

class EventDispatchTest : public ServiceTest, public testing::WithParamInterface<EventCase> {
 protected:
  void PutPopupsOnScreen() {
    alpha_ = std::make_unique<StandinPopup>(L"Alpha  V1.0.0");
    beta_ = std::make_unique<StandinPopup>(L"Beta  V1.0.0");
    newPrinter_ = std::make_unique<StandinPopup>(L"Discover new printer");
  }

  std::unique_ptr<StandinPopup> alpha_, beta_, newPrinter_;
};

TEST_P(EventDispatchTest, ActsOnItsOwnPopupsReportAndBox) {
  const EventCase& c = GetParam();
  WriteReportFile(EarlierReport);
  PutPopupsOnScreen();
  Send(std::string(c.name) + "_Alpha");

  const bool printerEvent = c.kind == Kind::ReportsPrinter || c.kind == Kind::ClosesOnly ||
                            c.kind == Kind::ReportsTypeOnly;
  const bool reports = c.kind == Kind::ReportsPrinter || c.kind == Kind::ReportsTypeOnly;
  EXPECT_EQ(alpha_->IsOnScreen(), !printerEvent);
  EXPECT_TRUE(beta_->IsOnScreen());
  EXPECT_EQ(newPrinter_->IsOnScreen(), c.kind != Kind::NewPrinterClose);

  const std::wstring type = reports ? Widen(c.name) : L"before";
  const std::wstring printer = c.kind == Kind::ReportsPrinter ? L"Alpha" : L"Earlier";
  EXPECT_EQ(Report(L"TYPE"), type);
  EXPECT_EQ(Report(L"PRINTER"), printer);

  const std::vector<std::wstring> launches = SettledLaunches(reports ? 1 : 0);
  if (reports) {
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], type + L"|" + printer) << "the box must find the event's report complete";
  } else {
    EXPECT_TRUE(launches.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(EveryEvent, EventDispatchTest, testing::ValuesIn(EventCases),
                         [](const testing::TestParamInfo<EventCase>& info) { return std::string(info.param.name); });

using EventReportTest = ServiceTest;

TEST_F(EventReportTest, NewconnectWithoutNewPrinterPopupReportsTypeAndStartsABox) {
  WriteReportFile(EarlierReport);
  StandinPopup alpha(L"Alpha  V1.0.0");
  Send("newconnect");

  EXPECT_TRUE(alpha.IsOnScreen());
  EXPECT_EQ(Report(L"TYPE"), L"newconnect");
  EXPECT_EQ(Report(L"PRINTER"), L"Earlier");
  EXPECT_EQ(SettledLaunches(1), std::vector<std::wstring>{L"newconnect|Earlier"});
}

TEST_F(EventReportTest, TypeOnlyEventOnAFreshReportLeavesPrinterAbsent) {
  Send("netbusy_Alpha");
  EXPECT_EQ(Report(L"TYPE"), L"netbusy");
  EXPECT_EQ(Report(L"PRINTER"), std::nullopt);
  EXPECT_EQ(SettledLaunches(1), std::vector<std::wstring>{L"netbusy|"});
}

// Events in quick succession each rewrite "box.ini"; every box must still
// find the event it was started for.
TEST_F(EventReportTest, EveryBoxFindsTheEventItWasStartedFor) {
  const char* const events[] = {"connect_A", "disconnect_B", "netbusy_C", "newconnect", "labelmore_D", "dpi_E"};
  for (const char* event : events) Send(event);
  EXPECT_EQ(SettledLaunches(6), (std::vector<std::wstring>{L"connect|A", L"disconnect|B", L"netbusy|B",
                                                            L"newconnect|B", L"labelmore|D", L"dpi|E"}));
}

}  // namespace
