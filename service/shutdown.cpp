#include "service/shutdown.h"

#include "service/pause.h"
#include "service/popup_control.h"
#include "service/queue_control.h"

namespace {
constexpr DWORD ShutdownPauseMs = 1000;
}

void ShutdownService(HANDLE pipe) {
  ClosePopups(nullptr);
  FlushFileBuffers(pipe);
  DisconnectNamedPipe(pipe);
  StopQueueSwitchWorker();
  Pause(ShutdownPauseMs);
}
