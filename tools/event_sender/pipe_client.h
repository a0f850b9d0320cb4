// The client side of the service's pipe: one message per connection, no reply.
#pragma once

#include <windows.h>

#include "common/service_pipe.h"


// How long a client waits for the one pipe instance when the service is busy
// with another client.
constexpr DWORD BusyPipeWaitMs = 5000;

enum class PostResult {
  Delivered,    // written, and the service has let the client go
  NoService,    // nobody listens, or the pipe stayed busy
  WriteFailed,  // connected, but the message could not be written
};

struct PostOutcome {
  PostResult result;
  DWORD error;  // GetLastError() of the failing call
};

// Connects, writes `length` bytes in one write and waits until the service has
// disconnected, which it does once the event has been carried out.
PostOutcome PostEventMessage(const void* bytes, DWORD length, DWORD busyWaitMs = BusyPipeWaitMs);

// The service holds its pipe until its process ends: true once the pipe is
// gone, false when it is still there after `timeoutMs`.
bool WaitForServiceEnd(DWORD timeoutMs);
