#include "tests/support/service_process.h"

#include "tests/support/waiting.h"

ServiceProcess::~ServiceProcess() { Terminate(); }

bool ServiceProcess::Start(const std::wstring& folder, bool waitForPipe) {
  std::wstring commandLine = L"\"" + folder + L"tvSer.exe\"";
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
  return !waitForPipe || WaitUntil(PipeIsServed, ServiceStartTimeoutMs);
}

long ServiceProcess::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<long>(code);
}

void ServiceProcess::Terminate() {
  if (process_ == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, ServiceStartTimeoutMs);
  }
  CloseHandle(process_);
  process_ = nullptr;
}

bool ServiceProcess::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool PipeIsServed() { return WaitNamedPipeW(ServicePipeName, 1) != FALSE; }

PostOutcome Post(const std::string& bytes) { return PostEventMessage(bytes.data(), static_cast<DWORD>(bytes.size())); }
