// Scoped owners for the GDI state the box takes for a moment, so that no early
// return leaves it behind. Long-lived handles are plain fields and globals.
#pragma once

#include <windows.h>

// Selects an object into a device context and puts the previous one back.
class UniqueSelectObject {
 public:
  UniqueSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~UniqueSelectObject() { SelectObject(dc_, previous_); }
  UniqueSelectObject(const UniqueSelectObject&) = delete;
  UniqueSelectObject& operator=(const UniqueSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's (or, for no window, the screen's) device context, released at the end.
class UniqueWindowDC {
 public:
  explicit UniqueWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~UniqueWindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  UniqueWindowDC(const UniqueWindowDC&) = delete;
  UniqueWindowDC& operator=(const UniqueWindowDC&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
