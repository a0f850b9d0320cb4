#include "tests/support/report_file.h"

#include <windows.h>

#include "common/program_paths.h"

std::optional<std::wstring> ReportValue(const std::wstring& folder, const wchar_t* key) {
  // A default that no real value has tells an absent key from an empty one.
  constexpr wchar_t absent[] = L"\x1\x2absent";
  wchar_t value[1024];
  GetPrivateProfileStringW(ReportSection, key, absent, value, 1024, (folder + ReportFileName).c_str());
  if (std::wstring(value) == absent) return std::nullopt;
  return std::wstring(value);
}
