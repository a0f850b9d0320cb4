#include "service/event_message.h"

namespace {

// Length of the longest prefix of text[0..length) that fits in a field and
// ends on a character boundary of the code page.
size_t FittingLength(const char* text, size_t length, UINT codePage) {
  constexpr size_t room = FieldCapacity - 1;
  if (length <= room) return length;
  size_t fitting = 0;
  while (fitting < room) {
    const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[fitting]));
    const size_t step = lead ? 2 : 1;
    if (fitting + step > room) break;
    fitting += step;
  }
  return fitting;
}

void FillField(char (&field)[FieldCapacity], const char* text, size_t length) {
  CopyMemory(field, text, length);
  field[length] = '\0';
}

}  // namespace

void ParseEventMessage(const char (&buffer)[MessageCapacity], UINT codePage, EventMessage& message) {
  ZeroMemory(&message, sizeof message);
  size_t length = 0;
  while (length < MessageCapacity && buffer[length] != '\0') ++length;

  size_t eventLength = 0;
  while (eventLength < length && buffer[eventLength] != '_') ++eventLength;
  FillField(message.eventField, buffer, FittingLength(buffer, eventLength, codePage));

  if (eventLength == length) return;  // no underscore: an event with an empty printer name
  const char* printer = buffer + eventLength + 1;
  const size_t printerLength = length - eventLength - 1;
  const size_t kept = FittingLength(printer, printerLength, codePage);
  FillField(message.printerField, printer, kept);
  message.printerCut = kept < printerLength;
}

bool ConvertPrinterName(const char (&printerField)[FieldCapacity], UINT codePage,
                        wchar_t (&printerName)[FieldCapacity]) {
  printerName[0] = L'\0';
  for (const char* byte = printerField; *byte != '\0'; ++byte) {
    const auto value = static_cast<unsigned char>(*byte);
    if (value < 0x20 || value == 0x7F) return false;
  }
  if (printerField[0] == '\0') return true;
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, printerField, -1, printerName, FieldCapacity) == 0) {
    printerName[0] = L'\0';
    return false;
  }
  char roundTrip[FieldCapacity * 2];
  const int bytes = WideCharToMultiByte(codePage, 0, printerName, -1, roundTrip, sizeof roundTrip, nullptr, nullptr);
  if (bytes == 0 || lstrcmpA(roundTrip, printerField) != 0) {
    printerName[0] = L'\0';
    return false;
  }
  return true;
}
