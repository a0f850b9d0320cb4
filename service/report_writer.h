// Records an event in "box.ini" for the popup box that is started next.
#pragma once

#include "common/program_paths.h"

// Where the service writes its report: its own folder followed by "box.ini".
// Empty when the folder's path is too long; nothing is written then.
extern wchar_t ReportPath[PathCapacity];

// Writes TYPE, then PRINTER when a printer name is given.
void WriteReport(const wchar_t* eventName, const wchar_t* printerName);
