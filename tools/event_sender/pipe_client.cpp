#include "tools/event_sender/pipe_client.h"

namespace {

HANDLE ConnectToService(DWORD busyWaitMs) {
  const DWORD deadline = GetTickCount() + busyWaitMs;
  for (;;) {
    HANDLE pipe = CreateFileW(ServicePipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe != INVALID_HANDLE_VALUE) return pipe;
    const DWORD error = GetLastError();
    const LONG left = static_cast<LONG>(deadline - GetTickCount());
    if (error != ERROR_PIPE_BUSY || left <= 0) return INVALID_HANDLE_VALUE;
    // Another client holds the instance: wait for it, then race for it again.
    WaitNamedPipeW(ServicePipeName, static_cast<DWORD>(left));
  }
}

// The service never writes; the read ends when it disconnects.
void WaitForDisconnect(HANDLE pipe) {
  char unused;
  DWORD bytes;
  while (ReadFile(pipe, &unused, sizeof unused, &bytes, nullptr)) {
  }
}

}  // namespace

PostOutcome PostEventMessage(const void* bytes, DWORD length, DWORD busyWaitMs) {
  HANDLE pipe = ConnectToService(busyWaitMs);
  if (pipe == INVALID_HANDLE_VALUE) return {PostResult::NoService, GetLastError()};
  DWORD written = 0;
  if (!WriteFile(pipe, bytes, length, &written, nullptr) || written != length) {
    const DWORD error = GetLastError();
    CloseHandle(pipe);
    return {PostResult::WriteFailed, error};
  }
  WaitForDisconnect(pipe);
  CloseHandle(pipe);
  return {PostResult::Delivered, ERROR_SUCCESS};
}

bool WaitForServiceEnd(DWORD timeoutMs) {
  constexpr DWORD pollMs = 20;
  for (DWORD waited = 0;; waited += pollMs) {
    if (!WaitNamedPipeW(ServicePipeName, 1) && GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    if (waited >= timeoutMs) return false;
    Sleep(pollMs);
  }
}
