// Scoped owners for the Windows resources the programs open for a moment, so
// that no early return leaks one. Long-lived handles are plain globals.
#pragma once

#include <windows.h>

template <typename Handle, BOOL(WINAPI* Close)(Handle)>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(Handle value) : value_(value) {}
  ~UniqueResource() { reset(); }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Handle get() const { return value_; }
  explicit operator bool() const { return value_ != nullptr; }
  void reset(Handle value = nullptr) {
    if (value_ != nullptr) Close(value_);
    value_ = value;
  }

 private:
  Handle value_ = nullptr;
};

using UniqueHandle = UniqueResource<HANDLE, CloseHandle>;
using UniqueHdc = UniqueResource<HDC, DeleteDC>;
using UniqueGdiObject = UniqueResource<HGDIOBJ, DeleteObject>;

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
