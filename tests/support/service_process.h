// The real tvSer.exe, started from a test's folder and driven through its pipe.
#pragma once

#include <windows.h>

#include <string>

#include "tools/event_sender/pipe_client.h"

// How long a test waits for the service to create its pipe or to end.
constexpr DWORD ServiceStartTimeoutMs = 10000;

class ServiceProcess {
 public:
  ServiceProcess() = default;
  ~ServiceProcess();
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  // Starts folder\tvSer.exe; with `waitForPipe`, returns once the pipe is served.
  bool Start(const std::wstring& folder, bool waitForPipe = true);
  // Waits up to `timeoutMs` for the process to end; its exit code, or -1.
  long WaitForExit(DWORD timeoutMs);
  void Terminate();
  bool IsRunning() const;
  DWORD ProcessId() const { return processId_; }
  HANDLE Handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

bool PipeIsServed();

// Posts one message of raw bytes, as a status reporter does.
PostOutcome Post(const std::string& bytes);
