// The ordered end of the service after "exit".
#pragma once

#include <windows.h>

// Closes every popup, lets the client go, stops the worker and pauses a second
// before the listener ends, and with it the service.
void ShutdownService(HANDLE pipe);
