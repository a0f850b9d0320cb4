// Splitting event messages: where the event name ends, what reaches the
// printer name, and how parts too long for their fields are cut.
#include <gtest/gtest.h>

#include <string>

#include "service/event_message.h"

namespace {

constexpr UINT Latin = 1252;
constexpr UINT SimplifiedChinese = 936;

struct SplitCase {
  const char* label;
  std::string message;
  UINT codePage;
  std::string eventName;
  std::string printerName;
  bool printerCut;
};

// "打印" in code page 936: two double-byte characters.
const std::string Dayin = "\xB4\xF2\xD3\xA1";

std::string Repeat(const std::string& text, size_t times) {
  std::string result;
  while (times-- > 0) result += text;
  return result;
}

const SplitCase SplitCases[] = {
    {"name and printer", "connect_Office Label", Latin, "connect", "Office Label", false},
    {"only the first underscore splits", "connect_My_Label_Printer", Latin, "connect", "My_Label_Printer", false},
    {"no underscore", "newconnect", Latin, "newconnect", "", false},
    {"leading underscore", "_connect", Latin, "", "connect", false},
    {"nothing after the underscore", "connect_", Latin, "connect", "", false},
    {"empty message", "", Latin, "", "", false},
    {"embedded NUL ends the message", std::string("connect_A\0junk_more", 19), Latin, "connect", "A", false},
    {"NUL inside the event name", std::string("conn\0ect_A", 10), Latin, "conn", "", false},
    {"printer of 99 bytes is whole", "connect_" + std::string(99, 'p'), Latin, "connect", std::string(99, 'p'), false},
    {"printer over 99 bytes is cut", "connect_" + std::string(150, 'p'), Latin, "connect", std::string(99, 'p'), true},
    {"event over 99 bytes is cut", std::string(120, 'e') + "_A", Latin, std::string(99, 'e'), "A", false},
    {"256 bytes without a NUL", "connect_" + std::string(248, 'p'), Latin, "connect", std::string(99, 'p'), true},
    {"cut drops a lone lead byte", "connect_" + Repeat(Dayin, 30), SimplifiedChinese, "connect",
     Repeat(Dayin, 24) + "\xB4\xF2", true},
    {"cut after whole double-byte characters", "connect_x" + Repeat(Dayin, 30), SimplifiedChinese, "connect",
     "x" + Repeat(Dayin, 24) + "\xB4\xF2", true},
    {"high bytes in a single-byte code page are characters", "connect_x" + Repeat(Dayin, 30), Latin, "connect",
     ("x" + Repeat(Dayin, 30)).substr(0, 99), true},
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, FieldsHoldTheParts) {
  const SplitCase& c = GetParam();
  char buffer[MessageCapacity] = {};
  std::copy_n(c.message.data(), std::min(c.message.size(), sizeof buffer), buffer);
  EventMessage message;
  ParseEventMessage(buffer, c.codePage, message);
  EXPECT_EQ(std::string(message.eventField), c.eventName);
  EXPECT_EQ(std::string(message.printerField), c.printerName);
  EXPECT_EQ(message.printerCut, c.printerCut);
}

INSTANTIATE_TEST_SUITE_P(Messages, SplitTest, testing::ValuesIn(SplitCases),
                         [](const testing::TestParamInfo<SplitCase>& info) {
                           std::string name = info.param.label;
                           for (char& ch : name) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

struct ConversionCase {
  const char* label;
  std::string printerField;
  UINT codePage;
  bool accepted;
  std::wstring printerName;
};

const ConversionCase ConversionCases[] = {
    {"plain", "Office Label", Latin, true, L"Office Label"},
    {"empty", "", Latin, true, L""},
    {"latin high bytes", "Caf\xE9 \xA7", Latin, true, L"Caf\u00E9 \u00A7"},
    {"chinese", Dayin, SimplifiedChinese, true, L"\u6253\u5370"},
    {"carriage return", "A\r[X]", Latin, false, L""},
    {"line feed", "A\nTYPE=forged", Latin, false, L""},
    {"tab", "A\tB", Latin, false, L""},
    {"escape", "A\x1B", Latin, false, L""},
    {"delete", "A\x7F", Latin, false, L""},
    {"lone lead byte at the end", "A\xB4", SimplifiedChinese, false, L""},
    {"lead byte before a byte that cannot trail it", "\xB4\x20", SimplifiedChinese, false, L""},
};

TEST(PrinterName, IsAcceptedOnlyWhenItComesBackUnchanged) {
  for (const ConversionCase& c : ConversionCases) {
    char field[FieldCapacity] = {};
    std::copy(c.printerField.begin(), c.printerField.end(), field);
    wchar_t name[FieldCapacity];
    EXPECT_EQ(ConvertPrinterName(field, c.codePage, name), c.accepted) << c.label;
    EXPECT_EQ(std::wstring(name), c.printerName) << c.label;
  }
}

}  // namespace
