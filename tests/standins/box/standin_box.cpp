// Stands in for tvQ41Box.exe where a test needs to know only that the service
// started a box, and with which report. It appends "TYPE|PRINTER", as it found
// them in "box.ini" beside itself, to the file that TVQ41_LAUNCH_LOG names;
// the variable reaches it through the service's environment.
#include <windows.h>

#include "common/report_reader.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t folder[PathCapacity];
  wchar_t reportPath[PathCapacity] = L"";
  if (GetProgramFolder(folder)) MakeReportPath(folder, reportPath);
  wchar_t type[ReportValueCapacity];
  wchar_t printer[ReportValueCapacity];
  ReadReport(reportPath, type, printer);

  wchar_t logPath[PathCapacity];
  if (GetEnvironmentVariableW(L"TVQ41_LAUNCH_LOG", logPath, PathCapacity) - 1 >= PathCapacity - 1) return 1;
  wchar_t line[2 * ReportValueCapacity + 4];
  const int length = wsprintfW(line, L"%s|%s\n", type, printer);
  HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                           nullptr);
  DWORD written;
  WriteFile(log, line, length * sizeof(wchar_t), &written, nullptr);
  CloseHandle(log);
  return 0;
}
