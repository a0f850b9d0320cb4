// One event message from the pipe: the event name, "_", the printer name in
// the ANSI code page. At most 256 bytes; an embedded NUL ends it.
#pragma once

#include <windows.h>

constexpr size_t MessageCapacity = 256;
constexpr size_t FieldCapacity = 100;  // 99 bytes and the terminator

struct EventMessage {
  char eventField[FieldCapacity];
  char printerField[FieldCapacity];
  // The printer part was longer than a field holds and was cut. A cut name is
  // still shown, but it no longer names the spooler's printer.
  bool printerCut;
};

// Splits `buffer` (MessageCapacity bytes) at its first underscore. A part over
// 99 bytes is cut at the last whole character of `codePage` that fits, so that
// no lone lead byte of a double-byte character is left at its end.
void ParseEventMessage(const char (&buffer)[MessageCapacity], UINT codePage, EventMessage& message);

// The printer name in UTF-16, or false when the message must be dropped: a
// control byte (CR or LF would forge lines in "box.ini") or bytes that do not
// convert to UTF-16 and back unchanged (the report file holds the name in the
// code page; only an exact round trip gives the box the service's title).
bool ConvertPrinterName(const char (&printerField)[FieldCapacity], UINT codePage,
                        wchar_t (&printerName)[FieldCapacity]);
