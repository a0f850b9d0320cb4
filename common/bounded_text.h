// Copying UTF-16 text into fixed buffers. Every helper checks the room first
// and refuses, leaving the buffer as it was, instead of cutting or overrunning.
#pragma once

#include <windows.h>

#include <cstddef>

// Copies `source` into `dest` when it fits in `capacity` units, terminator included.
bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* source);

// Appends `source` to the text in `dest` when the whole fits in `capacity` units.
bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* source);

template <size_t Capacity>
bool CopyText(wchar_t (&dest)[Capacity], const wchar_t* source) {
  return CopyText(dest, Capacity, source);
}

template <size_t Capacity>
bool AppendText(wchar_t (&dest)[Capacity], const wchar_t* source) {
  return AppendText(dest, Capacity, source);
}
