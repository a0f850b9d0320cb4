#include "service/queue_control.h"

#include <winspool.h>

#include "common/bounded_text.h"

HANDLE QueueSwitchEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
volatile LONG StopRequested = 0;

namespace {

// The latest requested name. The listener may write a new one while the worker
// still works on the previous name, so both take the lock and the worker
// works on a copy.
wchar_t PendingPrinterName[PrinterNameCapacity];
SRWLOCK PendingPrinterLock = SRWLOCK_INIT;

// Level-5 data beyond this size are not read, and such a printer is not switched.
constexpr DWORD Level5BufferSize = 256;

// An empty name names no printer; the spooler is not asked about it.
bool OpenPrinterForControl(const wchar_t* printerName, HANDLE& printer) {
  PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  printer = nullptr;
  if (printerName[0] == L'\0') return false;
  return OpenPrinterW(const_cast<wchar_t*>(printerName), &printer, &defaults) && printer != nullptr;
}

void TakePendingPrinterName(wchar_t (&name)[PrinterNameCapacity]) {
  AcquireSRWLockExclusive(&PendingPrinterLock);
  CopyMemory(name, PendingPrinterName, sizeof name);
  ReleaseSRWLockExclusive(&PendingPrinterLock);
}

}  // namespace

void PurgePrinterJobs(const wchar_t* printerName) {
  HANDLE printer;
  if (!OpenPrinterForControl(printerName, printer)) return;
  SetPrinterW(printer, 0, nullptr, PRINTER_CONTROL_PURGE);
  ClosePrinter(printer);
}

void RequestQueuedPrinting(const wchar_t* printerName) {
  AcquireSRWLockExclusive(&PendingPrinterLock);
  if (!CopyText(PendingPrinterName, printerName)) PendingPrinterName[0] = L'\0';
  ReleaseSRWLockExclusive(&PendingPrinterLock);
  SetEvent(QueueSwitchEvent);
}

void StopQueueSwitchWorker() {
  InterlockedExchange(&StopRequested, 1);
  SetEvent(QueueSwitchEvent);
}

DWORD WINAPI QueueSwitchWorker(void*) {
  // Without its event the worker could only spin; requests then go undone.
  if (QueueSwitchEvent == nullptr) return 0;
  for (;;) {
    if (WaitForSingleObject(QueueSwitchEvent, INFINITE) != WAIT_OBJECT_0) return 0;
    if (InterlockedCompareExchange(&StopRequested, 0, 0) != 0) return 0;
    wchar_t printerName[PrinterNameCapacity];
    TakePendingPrinterName(printerName);
    SetQueuedPrinting(printerName);
  }
}

void SetQueuedPrinting(const wchar_t* printerName) {
  HANDLE printer;
  if (!OpenPrinterForControl(printerName, printer)) return;
  alignas(PRINTER_INFO_5W) BYTE level5[Level5BufferSize];
  DWORD needed = 0;
  if (GetPrinterW(printer, 5, level5, sizeof level5, &needed)) {
    auto* info = reinterpret_cast<PRINTER_INFO_5W*>(level5);
    info->Attributes &= ~PRINTER_ATTRIBUTE_DIRECT;
    info->Attributes |= PRINTER_ATTRIBUTE_QUEUED;
    SetPrinterW(printer, 5, level5, 0);
  }
  ClosePrinter(printer);
}
