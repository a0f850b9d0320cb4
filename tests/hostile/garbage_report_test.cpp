// The box started on a "box.ini" that no service wrote: it shows the right
// popup or nothing, and ends with 0, never a crash.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "common/popup_identity.h"
#include "tests/support/test_folder.h"
#include "tests/support/program_process.h"
#include "tests/support/waiting.h"

namespace {

constexpr DWORD BoxTimeoutMs = 10000;

std::string RandomBytes(size_t count) {
  std::mt19937 random(7);
  std::string bytes;
  while (bytes.size() < count) bytes += static_cast<char>(random());
  return bytes;
}

std::string Utf16WithBom(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return bytes;
}

struct GarbageCase {
  const char* label;
  std::string contents;
  std::optional<std::wstring> title;  // the popup expected, or none
};

const GarbageCase GarbageCases[] = {
    {"Empty", "", std::nullopt},
    {"BinaryGarbage", RandomBytes(4096), std::nullopt},
    {"GarbageAroundAValidReport", RandomBytes(300) + "\r\n[REPORT]\r\nTYPE=connect\r\nPRINTER=Office\r\n" +
                                      RandomBytes(300).replace(0, 1, "\n"),
     L"Office  V1.0.0"},
    {"HugePrinter", "[REPORT]\r\nTYPE=connect\r\nPRINTER=" + std::string(100000, 'x') + "\r\n",
     std::wstring(99, L'x') + L"  V1.0.0"},
    {"HugeType", "[REPORT]\r\nTYPE=" + std::string(100000, 'c') + "\r\nPRINTER=Office\r\n", std::nullopt},
    {"NoLineEnds", "[REPORT]TYPE=connectPRINTER=Office", std::nullopt},
    {"Utf16WithBom", Utf16WithBom(L"[REPORT]\r\nTYPE=connect\r\nPRINTER=Office \u6253\u5370\r\n"),
     L"Office \u6253\u5370  V1.0.0"},
    {"Utf16Garbage", Utf16WithBom(std::wstring(2000, L'\xD800')), std::nullopt},
};

class GarbageReportTest : public testing::TestWithParam<GarbageCase> {};

TEST_P(GarbageReportTest, ShowsTheRightPopupOrNothingAndEndsWithZero) {
  const GarbageCase& c = GetParam();
  const std::wstring folder = MakeTestFolder(CurrentTestName(), {{L"tvQ41Box.exe", L"tvQ41Box.exe"}});
  ASSERT_TRUE(WriteWholeFile(folder + L"box.ini", c.contents));
  ProgramProcess box;
  ASSERT_TRUE(box.Start(folder, L"tvQ41Box.exe"));
  if (c.title) {
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = FindWindowW(PopupClassName, c.title->c_str())) != nullptr; },
                          BoxTimeoutMs));
    PostMessageW(popup, WM_QUIT, 0, 0);
  }
  EXPECT_EQ(box.WaitForExit(BoxTimeoutMs), 0);
  EXPECT_EQ(FindWindowW(PopupClassName, nullptr), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Reports, GarbageReportTest, testing::ValuesIn(GarbageCases),
                         [](const testing::TestParamInfo<GarbageCase>& info) { return std::string(info.param.label); });

}  // namespace
