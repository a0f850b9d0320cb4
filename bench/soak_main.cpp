// bench_soak [messages]
// Posts many messages (100,000 by default) to the real service: events that
// start no box and names it does not know. Prints the service's private bytes
// and handles before and after, and the events per second. Memory and handles
// are meant to stay flat: within 64 KB and no handle more.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/process_sample.h"
#include "bench/bench_folder.h"

namespace {

constexpr int DefaultMessages = 100000;
constexpr int WarmUpMessages = 2000;
constexpr long long FlatMemoryBytes = 64 * 1024;

// Events that start no box: a printer with no popup, a new-printer popup that
// is not there, a purge for a printer the spooler does not know, and names
// that are no event at all.
const char* const Mix[] = {"normal_Soak Printer", "closeNewDev", "devCancel_No Such Printer", "unknownEvent_X",
                           "Connect_Soak Printer", "_leading"};

int PostMix(int count) {
  int failed = 0;
  for (int i = 0; i < count; ++i) {
    const std::string message = Mix[i % (sizeof Mix / sizeof Mix[0])];
    failed += Post(message).result != PostResult::Delivered;
  }
  return failed;
}

void PrintRow(const char* what, long long before, long long after) {
  std::printf("  %-14s %14s %14s %+14lld\n", what, Grouped(before).c_str(), Grouped(after).c_str(), after - before);
}

}  // namespace

int main(int argc, char** argv) {
  const int messages = argc > 1 ? std::atoi(argv[1]) : DefaultMessages;
  std::wstring folder;
  ServiceProcess service;
  if (!PrepareBenchFolder("soak", ServiceAndBox, folder) || !StartBenchService("soak", service, folder)) return 1;
  PostMix(WarmUpMessages);
  const ProcessSample before = SampleProcess(service.Handle(), service.ProcessId());
  const ULONGLONG start = GetTickCount64();
  const int failed = PostMix(messages);
  const double seconds = (GetTickCount64() - start) / 1000.0;
  const ProcessSample after = SampleProcess(service.Handle(), service.ProcessId());
  Post("exit");
  service.WaitForExit(ServiceStartTimeoutMs);

  std::printf("soak: %s messages through tvSer (no box started), %d not delivered\n", Grouped(messages).c_str(),
              failed);
  std::printf("  %-14s %14s %14s %14s\n", "", "before", "after", "change");
  PrintRow("private bytes", before.privateBytes, after.privateBytes);
  PrintRow("working set", before.workingSet, after.workingSet);
  PrintRow("handles", before.handles, after.handles);
  std::printf("  events per second: %s (%.1f s)\n", Grouped(static_cast<long long>(messages / seconds)).c_str(),
              seconds);
  const long long grown = static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes);
  std::printf("  memory flat (within 64 KB): %s; handles flat: %s\n", grown <= FlatMemoryBytes ? "yes" : "NO",
              after.handles <= before.handles ? "yes" : "NO");
  return 0;
}
