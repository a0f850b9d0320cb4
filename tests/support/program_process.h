// A real program of the system, started as its own process by a test.
#pragma once

#include <windows.h>

#include <string>

class ProgramProcess {
 public:
  ProgramProcess() = default;
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // Starts `folder` + `fileName` with `folder` as its working folder.
  bool Start(const std::wstring& folder, const std::wstring& fileName, const std::wstring& arguments = L"");
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
