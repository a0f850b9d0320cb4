// bench_latency [events]
// From the client's write of "connect_<printer>" to the popup being visible,
// against a bare program that only creates and shows a 280 x 80 window,
// started by the same ShellExecuteExW from the same folder. Events alternate
// between the two; p50 and p95 over all of them.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "bench/figures.h"
#include "common/popup_identity.h"
#include "bench/bench_folder.h"
#include "tests/support/waiting.h"

namespace {

constexpr int DefaultEvents = 40;
constexpr int WarmUpEvents = 3;
constexpr double Goal = 1.3;
constexpr DWORD PopupTimeoutMs = 10000;

bool WaitVisible(const wchar_t* windowClass, const wchar_t* title) {
  return WaitUntil([&] {
    HWND window = FindWindowW(windowClass, title);
    return window != nullptr && IsWindowVisible(window);
  }, PopupTimeoutMs);
}

void WaitGone(const wchar_t* windowClass, const wchar_t* title) {
  WaitUntil([&] { return FindWindowW(windowClass, title) == nullptr; }, PopupTimeoutMs);
}

double ServiceLatency() {
  Stopwatch watch;
  // The client waits for the service to let it go; the popup shows before that.
  std::thread client([] { Post("connect_Latency"); });
  WaitVisible(PopupClassName, L"Latency  V1.0.0");
  const double ms = watch.Milliseconds();
  client.join();
  Post("normal_Latency");
  return ms;
}

double BareLatency(const std::wstring& folder) {
  SHELLEXECUTEINFOW launch = {};
  launch.cbSize = sizeof launch;
  launch.fMask = SEE_MASK_NOCLOSEPROCESS;
  launch.lpFile = L"bench_bare_popup.exe";
  launch.lpDirectory = folder.c_str();
  launch.nShow = SW_SHOW;
  Stopwatch watch;
  if (!ShellExecuteExW(&launch)) return 0;
  WaitVisible(L"tvq41BarePopup", nullptr);
  const double ms = watch.Milliseconds();
  PostMessageW(FindWindowW(L"tvq41BarePopup", nullptr), WM_QUIT, 0, 0);
  WaitForSingleObject(launch.hProcess, PopupTimeoutMs);
  CloseHandle(launch.hProcess);
  WaitGone(L"tvq41BarePopup", nullptr);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const int events = argc > 1 ? std::atoi(argv[1]) : DefaultEvents;
  std::vector<ProgramCopy> files = ServiceAndBox;
  files.push_back({L"bench_bare_popup.exe", L"bench_bare_popup.exe"});
  std::wstring folder;
  ServiceProcess service;
  if (!PrepareBenchFolder("latency", files, folder) || !StartBenchService("latency", service, folder)) return 1;
  std::vector<double> popup, bare;
  for (int i = 0; i < WarmUpEvents + events; ++i) {
    const double box = ServiceLatency();
    const double floor = BareLatency(folder);
    if (i < WarmUpEvents) continue;
    popup.push_back(box);
    bare.push_back(floor);
  }
  Post("exit");
  service.WaitForExit(ServiceStartTimeoutMs);

  std::printf("latency: %d events, client's write to popup visible, against a bare window program\n", events);
  PrintFigure("p50", Percentile(popup, 50), Percentile(bare, 50), "ms", "<= 1.30",
              Percentile(popup, 50) <= Goal * Percentile(bare, 50));
  PrintFigure("p95", Percentile(popup, 95), Percentile(bare, 95), "ms", "<= 1.30",
              Percentile(popup, 95) <= Goal * Percentile(bare, 95));
  return 0;
}
