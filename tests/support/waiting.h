// Waiting for something another process does, with a deadline.
#pragma once

#include <windows.h>

#include <functional>

// Polls `condition` every few milliseconds; true as soon as it holds, false
// when `timeoutMs` has passed without it.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
