// bench_throughput [messages]
// Events per second through the real service for events that start nothing
// ("normal" for a printer with no popup, and a name it does not know), against
// a bare pipe server that only connects, reads and disconnects, driven by the
// same client. Rounds alternate between the three to share the machine's
// drift; the figure is the median round. The fastest tenth of single events
// (p10) shows the cost of one event without the machine's noise.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/bench_folder.h"
#include "tests/support/waiting.h"

namespace {

constexpr int DefaultMessages = 4000;
constexpr int Rounds = 7;
constexpr double Goal = 0.9;

struct Run {
  std::vector<double> ratePerRound;  // events per second
  std::vector<double> eventMs;       // every single event
};

void PostTimed(const std::string& message, int count, Run& run) {
  Stopwatch whole;
  for (int i = 0; i < count; ++i) {
    Stopwatch one;
    Post(message);
    run.eventMs.push_back(one.Milliseconds());
  }
  run.ratePerRound.push_back(count / (whole.Milliseconds() / 1000.0));
}

void ThroughService(const std::wstring& folder, const std::string& message, int count, Run& run) {
  ServiceProcess service;
  if (!service.Start(folder)) return;
  Post(message);  // the first event pays for loading what the rest use
  PostTimed(message, count, run);
  Post("exit");
  service.WaitForExit(ServiceStartTimeoutMs);
}

void ThroughBareServer(const std::wstring& folder, int count, Run& run) {
  ProgramProcess server;
  if (!server.Start(folder, L"bench_bare_pipe_server.exe") || !WaitUntil(PipeIsServed, ServiceStartTimeoutMs)) return;
  Post("warm");
  PostTimed("normal_Bench Printer", count, run);
  Post("exit");
  server.WaitForExit(ServiceStartTimeoutMs);
}

void Report(const char* what, const Run& run, const Run& floor) {
  PrintFigure(what, Median(run.ratePerRound), Median(floor.ratePerRound), "ev/s", ">= 0.90",
              Median(run.ratePerRound) >= Goal * Median(floor.ratePerRound));
  std::printf("  %-34s p10 %.3f ms (floor %.3f), p50 %.3f ms (floor %.3f)\n", "  one event",
              Percentile(run.eventMs, 10), Percentile(floor.eventMs, 10), Percentile(run.eventMs, 50),
              Percentile(floor.eventMs, 50));
}

}  // namespace

int main(int argc, char** argv) {
  const int messages = argc > 1 ? std::atoi(argv[1]) : DefaultMessages;
  std::wstring folder;
  const std::vector<ProgramCopy> files = {{L"tvSer.exe", L"tvSer.exe"},
                                         {L"bench_bare_pipe_server.exe", L"bench_bare_pipe_server.exe"}};
  if (!PrepareBenchFolder("throughput", files, folder)) {
    return 1;
  }
  Run bare, normal, unknown;
  for (int round = 0; round < Rounds; ++round) {
    ThroughBareServer(folder, messages, bare);
    ThroughService(folder, "normal_Bench Printer", messages, normal);
    ThroughService(folder, "unknownEvent_Bench Printer", messages, unknown);
  }
  std::printf("throughput: %d rounds of %d events, against the bare pipe server\n", Rounds, messages);
  Report("\"normal\", printer without popup", normal, bare);
  Report("unknown event name", unknown, bare);
  return 0;
}
