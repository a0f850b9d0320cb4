#include "service/pause.h"

HANDLE PauseEvent = nullptr;

void CreatePauseEvent() { PauseEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr); }

void Pause(DWORD milliseconds) {
  if (PauseEvent == nullptr || WaitForSingleObject(PauseEvent, milliseconds) != WAIT_TIMEOUT) {
    Sleep(milliseconds);
  }
}
