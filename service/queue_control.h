// The two spooler actions: purging a printer's jobs, on the listener, and
// switching a printer to queued printing, on the QueueSwitchWorker.
#pragma once

#include <windows.h>

constexpr size_t PrinterNameCapacity = MAX_PATH;

// Wakes the worker for a new request and for its stop. Made during program
// initialisation, so a request made before the worker first waits is kept.
extern HANDLE QueueSwitchEvent;
extern volatile LONG StopRequested;

void PurgePrinterJobs(const wchar_t* printerName);

// Hands the name to the worker and returns at once; the latest name wins.
void RequestQueuedPrinting(const wchar_t* printerName);

// Asks the worker to end after its current switch.
void StopQueueSwitchWorker();

DWORD WINAPI QueueSwitchWorker(void* unused);

// Clears direct printing and sets queued printing; every other bit stays.
void SetQueuedPrinting(const wchar_t* printerName);
