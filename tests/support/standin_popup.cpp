#include "tests/support/standin_popup.h"

#include "common/popup_identity.h"

namespace {

// Asks a stand-in that ignores WM_QUIT to end at last.
constexpr UINT WM_STANDIN_RELEASE = WM_APP + 1;

void RegisterStandinClass() {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = PopupClassName;
  RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

}  // namespace

StandinPopup::StandinPopup(const std::wstring& title, PopupBehaviour behaviour)
    : title_(title), behaviour_(behaviour) {
  created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  WaitForSingleObject(created_, 5000);
}

StandinPopup::~StandinPopup() {
  SetEvent(release_);
  if (window_ != nullptr) PostMessageW(window_, WM_STANDIN_RELEASE, 0, 0);
  WaitForSingleObject(thread_, 5000);
  CloseHandle(thread_);
  CloseHandle(created_);
  CloseHandle(release_);
}

bool StandinPopup::IsOnScreen() const { return window_ != nullptr && IsWindow(window_); }

DWORD WINAPI StandinPopup::Run(void* self) {
  auto* popup = static_cast<StandinPopup*>(self);
  RegisterStandinClass();
  popup->window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, PopupClassName, popup->title_.c_str(),
                                   WS_POPUP, 0, 0, 40, 20, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetEvent(popup->created_);
  popup->Pump();
  DestroyWindow(popup->window_);
  return 0;
}

void StandinPopup::Pump() {
  if (behaviour_ == PopupBehaviour::NeverPumps) {
    WaitForSingleObject(release_, INFINITE);
    return;
  }
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      InterlockedIncrement(&quitsReceived_);
      if (behaviour_ == PopupBehaviour::EndsOnQuit) return;
      continue;
    }
    if (message.message == WM_STANDIN_RELEASE) return;
    DispatchMessageW(&message);
  }
}
