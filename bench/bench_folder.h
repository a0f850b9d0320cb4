// Where a benchmark runs: a folder of program copies of its own, and the
// service started from it. Each says on standard error why it failed.
#pragma once

#include <string>
#include <vector>

#include "tests/support/program_folder.h"
#include "tests/support/service_process.h"

// BuildFolder()\bench\<name>\ with the files, and "box.ini" when `report` is given.
bool PrepareBenchFolder(const char* name, const std::vector<ProgramCopy>& files, std::wstring& folder,
                        const char* report = nullptr);

bool StartBenchService(const char* name, ServiceProcess& service, const std::wstring& folder);

// The service and the box, copied under their own names.
extern const std::vector<ProgramCopy> ServiceAndBox;
