#include "tests/support/x_mouse.h"

#include <string>

#include "tests/support/waiting.h"

namespace {

// A hand holds a button down for a moment; a press and release sent back to
// back are sometimes merged or lost on their way through Wine.
constexpr DWORD ButtonPauseMs = 100;

// Wine runs Unix programs named by their path on drive Z:.
void RunXdotool(const std::wstring& arguments) {
  std::wstring commandLine = L"Z:\\usr\\bin\\xdotool " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return;
  }
  WaitForSingleObject(started.hProcess, 5000);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
}

}  // namespace

namespace XMouse {

void MoveTo(int x, int y) {
  RunXdotool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y));
  // The move is done once Wine has seen it.
  WaitUntil([&] {
    POINT cursor;
    return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
  }, 2000);
}

void Press() {
  RunXdotool(L"mousedown 1");
  Sleep(ButtonPauseMs);
}

void Release() {
  RunXdotool(L"mouseup 1");
  Sleep(ButtonPauseMs);
}

void ClickAt(int x, int y) {
  MoveTo(x, y);
  Press();
  Release();
}

}  // namespace XMouse
