#include "service/dispatch.h"

#include "service/event_table.h"
#include "service/popup_control.h"
#include "service/queue_control.h"
#include "service/report_writer.h"

namespace {

void RunSpecialAction(SpecialAction action, const DispatchedEvent& event) {
  if (event.printerNameCut) return;
  if (action == SpecialAction::PurgeJobs) PurgePrinterJobs(event.printerName);
  if (action == SpecialAction::RequestQueuedPrinting) RequestQueuedPrinting(event.printerName);
}

void CloseRowPopups(ClosesPopups closes, const DispatchedEvent& event) {
  if (closes == ClosesPopups::NewPrinter) ClosePopups(event.newPrinterTitle);
  if (closes == ClosesPopups::Printer) ClosePopups(event.popupTitle);
}

void WriteRowReport(ReportContent report, const DispatchedEvent& event) {
  if (report == ReportContent::Nothing) return;
  // Event names are ASCII words, so widening byte by byte is exact.
  wchar_t eventName[FieldCapacity];
  size_t i = 0;
  for (; event.eventName[i] != '\0' && i + 1 < FieldCapacity; ++i) {
    eventName[i] = static_cast<wchar_t>(static_cast<unsigned char>(event.eventName[i]));
  }
  eventName[i] = L'\0';
  WriteReport(eventName, report == ReportContent::TypeAndPrinter ? event.printerName : nullptr);
}

}  // namespace

bool DispatchEvent(const DispatchedEvent& event) {
  const EventRow* row = FindEventRow(event.eventName);
  if (row == nullptr) return false;
  if (row->action == SpecialAction::Shutdown) return true;
  if (row->onlyWithoutNewPrinterPopup && PopupExists(event.newPrinterTitle)) return false;

  RunSpecialAction(row->action, event);
  CloseRowPopups(row->closes, event);
  WriteRowReport(row->report, event);
  if (row->launchesBox) LaunchBox();
  return false;
}
