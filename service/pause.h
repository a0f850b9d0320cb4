// Timed pauses of the listener. They wait on PauseEvent, an event that nobody
// ever signals, so every wait runs to its time-out.
#pragma once

#include <windows.h>

extern HANDLE PauseEvent;

void CreatePauseEvent();

// Pauses `milliseconds`, also when PauseEvent could not be made.
void Pause(DWORD milliseconds);
