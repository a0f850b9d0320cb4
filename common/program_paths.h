// The program folder and the report path. Both programs compute them the same
// way from their own executable, and since the service starts only the box
// that lies beside it, both arrive at the same "box.ini".
#pragma once

#include <windows.h>

constexpr size_t PathCapacity = MAX_PATH;

constexpr wchar_t ReportFileName[] = L"box.ini";
constexpr wchar_t ReportSection[] = L"REPORT";
constexpr wchar_t ReportKeyType[] = L"TYPE";
constexpr wchar_t ReportKeyPrinter[] = L"PRINTER";

// Report values hold at most 99 units; the reader's buffers have one more.
constexpr size_t ReportValueCapacity = 100;

// The folder of the running executable with its trailing backslash. A path that
// does not fit in PathCapacity would name some other folder, so it gives false
// and an empty folder instead of a cut one.
bool GetProgramFolder(wchar_t (&folder)[PathCapacity]);

// `folder` followed by "box.ini"; false and an empty path when it does not fit.
bool MakeReportPath(const wchar_t* folder, wchar_t (&reportPath)[PathCapacity]);
