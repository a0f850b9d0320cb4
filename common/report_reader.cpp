#include "common/report_reader.h"

void ReadReport(const wchar_t* reportPath, wchar_t (&eventName)[ReportValueCapacity],
                wchar_t (&printerName)[ReportValueCapacity]) {
  ZeroMemory(eventName, sizeof eventName);
  GetPrivateProfileStringW(ReportSection, ReportKeyType, L"", eventName, ReportValueCapacity, reportPath);
  ZeroMemory(printerName, sizeof printerName);
  GetPrivateProfileStringW(ReportSection, ReportKeyPrinter, L"", printerName, ReportValueCapacity, reportPath);
}
