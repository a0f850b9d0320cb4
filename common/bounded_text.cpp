#include "common/bounded_text.h"

#include <shlwapi.h>

bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* source) {
  if (static_cast<size_t>(lstrlenW(source)) >= capacity) return false;
  StrCpyW(dest, source);
  return true;
}

bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* source) {
  const size_t used = static_cast<size_t>(lstrlenW(dest));
  if (used >= capacity || static_cast<size_t>(lstrlenW(source)) >= capacity - used) return false;
  StrCatW(dest, source);
  return true;
}
