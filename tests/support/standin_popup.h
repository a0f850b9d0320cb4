// A window that looks to the service like a popup on screen: class "tavloQ41"
// and a chosen title, on a thread of the test with a message loop of its own.
#pragma once

#include <windows.h>

#include <string>

enum class PopupBehaviour {
  EndsOnQuit,    // like a box: WM_QUIT ends the loop and the window goes away
  IgnoresQuit,   // another program's window of the same class and title
  NeverPumps,    // a hung box: the thread never reads its queue
};

class StandinPopup {
 public:
  explicit StandinPopup(const std::wstring& title, PopupBehaviour behaviour = PopupBehaviour::EndsOnQuit);
  ~StandinPopup();
  StandinPopup(const StandinPopup&) = delete;
  StandinPopup& operator=(const StandinPopup&) = delete;

  bool IsOnScreen() const;
  int QuitsReceived() const { return quitsReceived_; }
  HWND Window() const { return window_; }

 private:
  static DWORD WINAPI Run(void* self);
  void Pump();

  std::wstring title_;
  PopupBehaviour behaviour_;
  HANDLE thread_ = nullptr;
  HANDLE created_ = nullptr;
  HANDLE release_ = nullptr;
  HWND window_ = nullptr;
  volatile LONG quitsReceived_ = 0;
};
