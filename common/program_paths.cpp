#include "common/program_paths.h"

#include "common/bounded_text.h"

bool GetProgramFolder(wchar_t (&folder)[PathCapacity]) {
  ZeroMemory(folder, sizeof folder);
  const DWORD length = GetModuleFileNameW(nullptr, folder, PathCapacity);
  wchar_t* lastBackslash = (length == 0 || length >= PathCapacity) ? nullptr : wcsrchr(folder, L'\\');
  if (lastBackslash == nullptr) {
    folder[0] = L'\0';
    return false;
  }
  lastBackslash[1] = L'\0';
  return true;
}

bool MakeReportPath(const wchar_t* folder, wchar_t (&reportPath)[PathCapacity]) {
  reportPath[0] = L'\0';
  if (folder[0] == L'\0') return false;
  if (CopyText(reportPath, folder) && AppendText(reportPath, ReportFileName)) return true;
  reportPath[0] = L'\0';
  return false;
}
