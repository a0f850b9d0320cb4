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
