#include "service/popup_control.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "common/bounded_text.h"
#include "common/popup_identity.h"
#include "service/pause.h"

wchar_t ServiceFolder[PathCapacity];

namespace {
constexpr wchar_t BoxFileName[] = L"tvQ41Box.exe";
}

void ClosePopups(const wchar_t* title) {
  for (int pass = 0; pass < ClosePopupsMaxPasses; ++pass) {
    HWND popup = FindWindowW(PopupClassName, title);
    if (popup == nullptr) return;
    PostMessageW(popup, WM_QUIT, 0, 0);
    Pause(ClosePopupsPauseMs);
  }
}

bool PopupExists(const wchar_t* title) { return FindWindowW(PopupClassName, title) != nullptr; }

void LaunchBox() {
  wchar_t launchPath[PathCapacity] = L"";
  if (!CopyText(launchPath, ServiceFolder) || !AppendText(launchPath, BoxFileName)) return;
  if (ServiceFolder[0] == L'\0' || !PathFileExistsW(launchPath)) return;

  SHELLEXECUTEINFOW launch;
  ZeroMemory(&launch, sizeof launch);
  launch.cbSize = sizeof launch;
  launch.fMask = SEE_MASK_NOCLOSEPROCESS;
  launch.lpFile = BoxFileName;
  launch.lpDirectory = ServiceFolder;
  launch.nShow = SW_SHOW;
  if (!ShellExecuteExW(&launch) || launch.hProcess == nullptr) return;
  // The next event rewrites "box.ini": let this box read its own event first.
  WaitForInputIdle(launch.hProcess, BoxStartWaitMs);
  CloseHandle(launch.hProcess);
}
