#include "bench/bench_folder.h"

#include <cstdio>

const std::vector<ProgramCopy> ServiceAndBox = {{L"tvSer.exe", L"tvSer.exe"}, {L"tvQ41Box.exe", L"tvQ41Box.exe"}};

bool PrepareBenchFolder(const char* name, const std::vector<ProgramCopy>& files, std::wstring& folder,
                        const char* report) {
  const std::string narrow(name);
  if (!MakeProgramFolder(L"bench", std::wstring(narrow.begin(), narrow.end()), files, folder) ||
      (report != nullptr && !WriteWholeFile(folder + L"box.ini", report))) {
    std::fprintf(stderr, "bench_%s: cannot prepare its folder\n", name);
    return false;
  }
  return true;
}

bool StartBenchService(const char* name, ServiceProcess& service, const std::wstring& folder) {
  if (service.Start(folder)) return true;
  std::fprintf(stderr, "bench_%s: the service did not start\n", name);
  return false;
}
