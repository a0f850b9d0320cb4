// Carries out one event: the special action, closing popups, the report, the box.
#pragma once

#include "service/event_message.h"

struct DispatchedEvent {
  const char* eventName;        // the bytes of the event field
  const wchar_t* printerName;   // UTF-16, possibly empty
  const wchar_t* popupTitle;    // the printer's popup title
  const wchar_t* newPrinterTitle;
  bool printerNameCut;          // a cut name is never sent to the spooler
};

// Returns true when the event was "exit"; the caller then shuts the service down.
bool DispatchEvent(const DispatchedEvent& event);
