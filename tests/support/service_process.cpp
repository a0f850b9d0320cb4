#include "tests/support/service_process.h"

#include "tests/support/waiting.h"

bool ServiceProcess::Start(const std::wstring& folder, bool waitForPipe) {
  if (!ProgramProcess::Start(folder, L"tvSer.exe")) return false;
  return !waitForPipe || WaitUntil(PipeIsServed, ServiceStartTimeoutMs);
}

bool PipeIsServed() { return WaitNamedPipeW(ServicePipeName, 1) != FALSE; }

PostOutcome Post(const std::string& bytes) { return PostEventMessage(bytes.data(), static_cast<DWORD>(bytes.size())); }
