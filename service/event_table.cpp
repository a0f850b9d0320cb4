#include "service/event_table.h"

#include <cstring>

namespace {

using A = SpecialAction;
using C = ClosesPopups;
using R = ReportContent;

constexpr EventRow EventTable[] = {
    {"exit", A::Shutdown, C::None, R::Nothing, false, false},
    {"devCancel", A::PurgeJobs, C::None, R::Nothing, false, false},
    {"closeNewDev", A::None, C::NewPrinter, R::Nothing, false, false},
    {"newconnect", A::None, C::None, R::TypeOnly, true, true},
    {"newdisconnect", A::None, C::NewPrinter, R::Nothing, false, false},
    {"connect", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"addNewDev", A::RequestQueuedPrinting, C::Printer, R::TypeAndPrinter, true, false},
    {"disconnect", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"stopByHuman", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"normal", A::None, C::Printer, R::Nothing, false, false},
    {"temper", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"cutter", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"carbon", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"busy", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"adapter", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"unlock", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"lockopened", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"labelmore", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"labelbox", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"labelunkown", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"paper", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"labelerr", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"rfiderr", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"rfidInvalid", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"rfidUnSupport", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"dpi", A::None, C::Printer, R::TypeAndPrinter, true, false},
    {"antifake", A::None, C::Printer, R::TypeOnly, true, false},
    {"netbusy", A::None, C::Printer, R::TypeOnly, true, false},
    {"socketSnErr", A::None, C::Printer, R::TypeOnly, true, false},
    {"poweroff", A::None, C::Printer, R::TypeOnly, true, false},
    {"height", A::None, C::Printer, R::TypeOnly, true, false},
};

}  // namespace

const EventRow* FindEventRow(const char* eventName) {
  for (const EventRow& row : EventTable) {
    if (std::strcmp(row.name, eventName) == 0) return &row;
  }
  return nullptr;
}
