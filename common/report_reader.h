// The reading side of "box.ini": what the popup box learns of its event.
#pragma once

#include "common/program_paths.h"

// Reads TYPE and PRINTER from section REPORT. A missing file, section or key
// gives the empty string, a longer value its first 99 units.
void ReadReport(const wchar_t* reportPath, wchar_t (&eventName)[ReportValueCapacity],
                wchar_t (&printerName)[ReportValueCapacity]);
