#include "tests/support/waiting.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(5);
  }
}
