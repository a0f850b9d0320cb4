#include "service/report_writer.h"

#include <cwctype>

#include "common/bounded_text.h"

wchar_t ReportPath[PathCapacity];

namespace {

bool IsTrimmedOnReading(wchar_t c) { return std::iswspace(c) || c == L'\x1A'; }

// Reading a value drops white space at its ends and one pair of matching
// quotes around it. A value that would lose either is written in double
// quotes, which reading removes again, so the box reads it back exactly.
bool NeedsQuotes(const wchar_t* value) {
  const int length = lstrlenW(value);
  if (length == 0) return false;
  const wchar_t first = value[0], last = value[length - 1];
  if (IsTrimmedOnReading(first) || IsTrimmedOnReading(last)) return true;
  return length >= 2 && (first == L'"' || first == L'\'') && last == first;
}

void WriteReportValue(const wchar_t* key, const wchar_t* value) {
  wchar_t quoted[ReportValueCapacity + 2] = L"\"";
  if (NeedsQuotes(value) && AppendText(quoted, value) && AppendText(quoted, L"\"")) value = quoted;
  WritePrivateProfileStringW(ReportSection, key, value, ReportPath);
}

}  // namespace

void WriteReport(const wchar_t* eventName, const wchar_t* printerName) {
  if (ReportPath[0] == L'\0') return;
  WriteReportValue(ReportKeyType, eventName);
  if (printerName != nullptr) WriteReportValue(ReportKeyPrinter, printerName);
}
