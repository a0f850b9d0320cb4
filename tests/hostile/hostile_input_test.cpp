// The service under hostile clients and windows, one phase after the other on
// one service process. After every phase a valid event must be served and its
// popup be on screen within a second, the service must be the same process
// (but after the phase that ends it from outside), and "box.ini" must hold
// nothing but its section and two keys.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/popup_identity.h"
#include "tests/support/test_folder.h"
#include "tests/support/service_process.h"
#include "tests/support/standin_popup.h"
#include "tests/support/waiting.h"
#include "tests/support/x_mouse.h"

namespace {

constexpr unsigned Seed = 20261211;
constexpr int RandomMessages = 3000;
constexpr DWORD ServedWithinMs = 1000;

class HostileInputTest : public testing::Test {
 protected:
  void SetUp() override {
    XMouse::MoveAwayFromPopups();
    folder_ = MakeTestFolder(CurrentTestName(), {{L"tvSer.exe", L"tvSer.exe"}, {L"tvQ41Box.exe", L"tvQ41Box.exe"}});
    ASSERT_TRUE(service_.Start(folder_));
    servicePid_ = service_.ProcessId();
  }
  void TearDown() override {
    CloseAllPopups();
    service_.Terminate();
  }


 public:
  void RandomMessagesPhase();
  void StallingClientsPhase();
  void ForeignWindowPhase();
  void HungBoxPhase();
  void KilledMidBurstPhase();

 protected:
  void ExpectHealthy(int round);

  static void CloseAllPopups() {
    for (HWND popup; (popup = FindWindowW(PopupClassName, nullptr)) != nullptr;) {
      PostMessageW(popup, WM_QUIT, 0, 0);
      if (!WaitUntil([&] { return !IsWindow(popup); }, 5000)) break;
    }
  }

  std::wstring folder_;
  ServiceProcess service_;
  DWORD servicePid_ = 0;
  std::mt19937 random_{Seed};
};

// The lines of "box.ini"; a forged line shows up as one more.
std::vector<std::string> ReportLines(const std::wstring& folder) {
  std::vector<std::string> lines;
  const std::string text = ReadWholeFile(folder + L"box.ini");
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void HostileInputTest::ExpectHealthy(int round) {
  EXPECT_TRUE(service_.IsRunning());
  EXPECT_EQ(service_.ProcessId(), servicePid_) << "the service is not the same process";
  const std::string printer = "Check" + std::to_string(round);
  const std::wstring title = std::wstring(printer.begin(), printer.end()) + L"  V1.0.0";
  const ULONGLONG start = GetTickCount64();
  ASSERT_EQ(Post("connect_" + printer).result, PostResult::Delivered);
  const bool shown = WaitUntil([&] { return FindWindowW(PopupClassName, title.c_str()) != nullptr; }, ServedWithinMs);
  EXPECT_TRUE(shown) << "no popup within a second: " << GetTickCount64() - start << " ms";
  EXPECT_EQ(ReportLines(folder_), (std::vector<std::string>{"[REPORT]", "TYPE=connect", "PRINTER=" + printer}));
  CloseAllPopups();
}

// Random messages: any length from 0 to 300 bytes, NULs, no or many
// underscores, long parts, high bytes and split double-byte characters, CR and LF.
void HostileInputTest::RandomMessagesPhase() {
  const char* const names[] = {"normal", "closeNewDev", "newdisconnect", "devCancel", "unknown", "Connect", "",
                               "connect", "labelmore", "netbusy"};
  const std::string alphabet = std::string("ab_ _\r\n\t\0", 10) + "\x81\xB4\xF2\xD3\xA1\xFF\x7F[]=;\"'";
  auto draw = [&](size_t n) { return static_cast<size_t>(random_() % n); };
  for (int i = 0; i < RandomMessages; ++i) {
    std::string message;
    if (draw(5) == 0) {
      for (size_t n = draw(301); n > 0; --n) message += static_cast<char>(random_());
    } else {
      // Mostly events that start no box; about one in a hundred shows a popup.
      const size_t name = draw(100) == 0 ? 7 + draw(3) : draw(7);
      message = std::string(names[name]) + (draw(8) ? "_" : "");
      for (size_t n = draw(draw(4) ? 40 : 160); n > 0; --n) message += alphabet[draw(alphabet.size())];
    }
    message.resize(std::min<size_t>(message.size(), 300));
    const PostOutcome outcome = Post(message);
    ASSERT_NE(outcome.result, PostResult::NoService) << "message " << i;
  }
  CloseAllPopups();
}

// Clients that connect and say nothing, and clients that connect and close at once.
void HostileInputTest::StallingClientsPhase() {
  std::vector<std::thread> clients;
  for (int i = 0; i < 40; ++i) {
    const bool stalls = i % 8 == 0;
    clients.emplace_back([stalls] {
      WaitNamedPipeW(ServicePipeName, 10000);
      HANDLE pipe = CreateFileW(ServicePipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      if (pipe == INVALID_HANDLE_VALUE) return;
      if (stalls) Sleep(3000);
      CloseHandle(pipe);
    });
  }
  for (std::thread& client : clients) client.join();
}

// A window of the popup class with a printer's title that ignores WM_QUIT.
void HostileInputTest::ForeignWindowPhase() {
  StandinPopup foreign(L"Foreign  V1.0.0", PopupBehaviour::IgnoresQuit);
  ASSERT_EQ(Post("connect_Foreign").result, PostResult::Delivered);
  EXPECT_TRUE(foreign.IsOnScreen());
  CloseAllPopups();
}

// A popup whose thread does not pump messages.
void HostileInputTest::HungBoxPhase() {
  StandinPopup hung(L"Hung  V1.0.0", PopupBehaviour::NeverPumps);
  ASSERT_EQ(Post("disconnect_Hung").result, PostResult::Delivered);
  CloseAllPopups();
}

// The service ended from outside in the middle of a burst, then started again.
void HostileInputTest::KilledMidBurstPhase() {
  std::thread burst([] {
    for (int i = 0; i < 400; ++i) {
      Post(i % 2 ? "normal_Burst" + std::to_string(i) : "netbusy_Burst");
    }
  });
  Sleep(150);
  service_.Terminate();
  burst.join();
  CloseAllPopups();
  for (const std::string& line : ReportLines(folder_)) {
    EXPECT_TRUE(line == "[REPORT]" || line.rfind("TYPE=", 0) == 0 || line.rfind("PRINTER=", 0) == 0) << line;
  }
  ASSERT_TRUE(service_.Start(folder_));
  servicePid_ = service_.ProcessId();
}

TEST_F(HostileInputTest, ServiceServesOnAfterEveryPhase) {
  const struct {
    const char* name;
    void (HostileInputTest::*run)();
  } phases[] = {
      {"random messages", &HostileInputTest::RandomMessagesPhase},
      {"stalling clients", &HostileInputTest::StallingClientsPhase},
      {"foreign window", &HostileInputTest::ForeignWindowPhase},
      {"hung box", &HostileInputTest::HungBoxPhase},
      {"killed mid-burst", &HostileInputTest::KilledMidBurstPhase},
  };
  int round = 0;
  for (const auto& phase : phases) {
    SCOPED_TRACE(phase.name);
    (this->*phase.run)();
    ExpectHealthy(++round);
  }
}

}  // namespace
