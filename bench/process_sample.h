// What another process holds: its private bytes, working set and handles.
#pragma once

#include <windows.h>

#include <string>

struct ProcessSample {
  SIZE_T privateBytes;
  SIZE_T workingSet;
  DWORD handles;
};

// Wine reports private bytes as the page-file usage and counts handles only
// through the system's handle list; both are read the way that works here and
// on Windows alike.
ProcessSample SampleProcess(HANDLE process, DWORD processId);

// "1,234,567"
std::string Grouped(long long value);
