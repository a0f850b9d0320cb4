// Keeps Wine's virtual desktop open for a whole test or run session. Wine
// closes the desktop some 10 s after the last program with a window has ended,
// and every popup after that is about a second slower to come and go. This
// program holds one hidden window until the session's wineserver is stopped.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"tvq41DesktopKeeper";
  RegisterClassExW(&windowClass);
  CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                  nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
