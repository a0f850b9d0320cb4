// tvSer: the status service. One copy per logon session; it shows nothing
// itself and lives until "exit" arrives on its pipe.
#include <windows.h>

#include "service/listener.h"
#include "service/queue_control.h"

namespace {
constexpr wchar_t SingleInstanceMutexName[] = L"Q41_SER_MUTEX";
// Initial commit of each thread's stack; the reserve stays the executable's.
constexpr SIZE_T ThreadStackCommit = 4096;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The handle marks that a copy runs; it is held until the process ends.
  HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, SingleInstanceMutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(instanceMutex);
    return 0;
  }
  HANDLE listener = CreateThread(nullptr, ThreadStackCommit, ListenerThread, nullptr, 0, nullptr);
  CreateThread(nullptr, ThreadStackCommit, QueueSwitchWorker, nullptr, 0, nullptr);
  WaitForSingleObject(listener, INFINITE);
  return 0;
}
