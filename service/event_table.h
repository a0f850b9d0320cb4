// The events the service knows and what each one does, in the order in which
// the names are compared.
#pragma once

enum class SpecialAction { None, Shutdown, PurgeJobs, RequestQueuedPrinting };
enum class ClosesPopups { None, NewPrinter, Printer };
enum class ReportContent { Nothing, TypeOnly, TypeAndPrinter };

struct EventRow {
  const char* name;
  SpecialAction action;
  ClosesPopups closes;
  ReportContent report;
  bool launchesBox;
  // "newconnect" shows its popup only while no new-printer popup is on screen.
  bool onlyWithoutNewPrinterPopup;
};

// The row whose name equals `eventName` byte for byte, or null.
const EventRow* FindEventRow(const char* eventName);
