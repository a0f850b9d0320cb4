// bench_closing [repeats]
// How long the service takes to close 1, 4 and 16 popups of one title: from
// the client's write of "normal_<printer>" until the service lets it go, which
// it does once no popup of that title is left. The floor is 10 ms a popup,
// the pause after each WM_QUIT.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/figures.h"
#include "bench/bench_folder.h"

namespace {

constexpr int DefaultRepeats = 5;
constexpr double PassFloorMs = 10;
constexpr DWORD StartTimeoutMs = 10000;

// n boxes of the same printer, each showing its popup.
std::vector<std::unique_ptr<ProgramProcess>> ShowBoxes(const std::wstring& folder, int n) {
  std::vector<std::unique_ptr<ProgramProcess>> boxes;
  for (int i = 0; i < n; ++i) {
    boxes.push_back(std::make_unique<ProgramProcess>());
    if (boxes.back()->Start(folder, L"tvQ41Box.exe")) WaitForInputIdle(boxes.back()->Handle(), StartTimeoutMs);
  }
  return boxes;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::atoi(argv[1]) : DefaultRepeats;
  std::wstring folder;
  ServiceProcess service;
  if (!PrepareBenchFolder("closing", ServiceAndBox, folder, "[REPORT]\r\nTYPE=connect\r\nPRINTER=Closing\r\n") ||
      !StartBenchService("closing", service, folder)) {
    return 1;
  }
  std::printf("closing: popups of one title closed by the service, median of %d\n", repeats);
  for (int popups : {1, 4, 16}) {
    std::vector<double> ms;
    for (int r = 0; r < repeats; ++r) {
      auto boxes = ShowBoxes(folder, popups);
      Stopwatch watch;
      Post("normal_Closing");
      ms.push_back(watch.Milliseconds());
      for (auto& box : boxes) box->WaitForExit(StartTimeoutMs);
    }
    char what[40];
    std::snprintf(what, sizeof what, "%d popup%s", popups, popups == 1 ? "" : "s");
    PrintFigure(what, Median(ms), popups * PassFloorMs, "ms");
  }
  Post("exit");
  service.WaitForExit(ServiceStartTimeoutMs);
  return 0;
}
