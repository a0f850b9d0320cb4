// bench_box_startup [starts]
// The popup box alone: from process start to its first paint (the box is idle
// for input only after UpdateWindow has painted its popup), and its peak
// working set then; against the bare window program started the same way.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/figures.h"
#include "bench/process_sample.h"
#include "bench/bench_folder.h"
#include "tests/support/program_process.h"

namespace {

constexpr int DefaultStarts = 30;
constexpr DWORD StartTimeoutMs = 10000;

struct Start {
  double ms;
  SIZE_T peakWorkingSet;
};

// Starts the program, waits for its first idle moment, and ends it.
Start TimeStart(const std::wstring& folder, const wchar_t* program) {
  ProgramProcess process;
  Stopwatch watch;
  if (!process.Start(folder, program)) return {0, 0};
  WaitForInputIdle(process.Handle(), StartTimeoutMs);
  const double ms = watch.Milliseconds();
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.Handle(), &memory, sizeof memory);
  // Ended from outside: the figure is taken, and how it ends does not matter here.
  process.Terminate();
  return {ms, memory.PeakWorkingSetSize};
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::atoi(argv[1]) : DefaultStarts;
  std::wstring folder;
  if (!PrepareBenchFolder("box_startup",
                          {{L"tvQ41Box.exe", L"tvQ41Box.exe"}, {L"bench_bare_popup.exe", L"bench_bare_popup.exe"}},
                          folder, "[REPORT]\r\nTYPE=connect\r\nPRINTER=Office Label\r\n")) {
    return 1;
  }
  std::vector<double> box, bare;
  std::vector<double> boxPeak, barePeak;
  for (int i = 0; i < starts + 2; ++i) {
    const Start b = TimeStart(folder, L"tvQ41Box.exe");
    const Start f = TimeStart(folder, L"bench_bare_popup.exe");
    if (i < 2) continue;  // the first starts fill the caches
    box.push_back(b.ms);
    bare.push_back(f.ms);
    boxPeak.push_back(static_cast<double>(b.peakWorkingSet) / 1024);
    barePeak.push_back(static_cast<double>(f.peakWorkingSet) / 1024);
  }
  std::printf("box start-up: %d starts, process start to first paint, against the bare window program\n", starts);
  PrintFigure("p50", Percentile(box, 50), Percentile(bare, 50), "ms");
  PrintFigure("p95", Percentile(box, 95), Percentile(bare, 95), "ms");
  PrintFigure("peak working set (median)", Median(boxPeak), Median(barePeak), "KB");
  return 0;
}
