// The ListenerThread: owns the pipe, serves one client after the other, one
// message per connection, and carries out every event.
#pragma once

#include <windows.h>

#include "common/service_pipe.h"


// A client that connects and neither writes nor closes would hold the one pipe
// instance for ever. Its read is given up after this long, well inside the
// 3000 ms that a waiting client's WaitNamedPipeW allows for a free instance.
constexpr DWORD StalledClientTimeoutMs = 1000;

// After a failed ConnectNamedPipe other than "the client has already gone",
// the listener waits this long before it listens again, so that a lasting
// fault cannot turn the loop into a busy one.
constexpr DWORD ConnectRetryPauseMs = 100;

DWORD WINAPI ListenerThread(void* unused);
