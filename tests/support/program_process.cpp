#include "tests/support/program_process.h"

ProgramProcess::~ProgramProcess() { Terminate(); }

bool ProgramProcess::Start(const std::wstring& folder, const std::wstring& fileName,
                           const std::wstring& arguments) {
  Terminate();
  std::wstring commandLine = L"\"" + folder + fileName + L"\" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &started)) {
    return false;
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  return true;
}

long ProgramProcess::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<long>(code);
}

void ProgramProcess::Terminate() {
  if (process_ == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
  }
  CloseHandle(process_);
  process_ = nullptr;
}

bool ProgramProcess::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}
