// Titles a test expects of a popup, written out apart from the programs' own code.
#pragma once

#include <windows.h>

#include <string>

// The test runs under the code page it is given; the programs it starts inherit it.
inline bool RunsInChinese() { return GetACP() == 936; }

inline std::wstring ExpectedNewPrinterTitle() {
  return RunsInChinese() ? L"\u53d1\u73b0\u65b0\u6253\u5370\u673a" : L"Discover new printer";
}
