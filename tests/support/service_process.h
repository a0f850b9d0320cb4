// The real tvSer.exe, started from a test's folder and driven through its pipe.
#pragma once

#include <string>

#include "tests/support/program_process.h"
#include "tools/event_sender/pipe_client.h"

// How long a test waits for the service to create its pipe or to end.
constexpr DWORD ServiceStartTimeoutMs = 10000;

class ServiceProcess : public ProgramProcess {
 public:
  // Starts folder\tvSer.exe; with `waitForPipe`, returns once the pipe is served.
  bool Start(const std::wstring& folder, bool waitForPipe = true);
};

bool PipeIsServed();

// Posts one message of raw bytes, as a status reporter does.
PostOutcome Post(const std::string& bytes);
