#include "service/report_writer.h"

wchar_t ReportPath[PathCapacity];

void WriteReport(const wchar_t* eventName, const wchar_t* printerName) {
  if (ReportPath[0] == L'\0') return;
  WritePrivateProfileStringW(ReportSection, ReportKeyType, eventName, ReportPath);
  if (printerName != nullptr) {
    WritePrivateProfileStringW(ReportSection, ReportKeyPrinter, printerName, ReportPath);
  }
}
