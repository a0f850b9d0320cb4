// Reading "box.ini" the way the popup box does, to see what the service wrote.
#pragma once

#include <optional>
#include <string>

// The value of a key in section REPORT, or nothing when the key is absent.
std::optional<std::wstring> ReportValue(const std::wstring& folder, const wchar_t* key);
