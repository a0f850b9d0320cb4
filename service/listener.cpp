#include "service/listener.h"

#include "common/popup_identity.h"
#include "service/dispatch.h"
#include "service/event_message.h"
#include "service/pause.h"
#include "service/popup_control.h"
#include "service/report_writer.h"
#include "service/shutdown.h"

namespace {

constexpr DWORD PipeBufferSize = 4096;
constexpr DWORD BusyClientWaitMs = 3000;

const wchar_t* NewPrinterTitleText = L"";
HANDLE Pipe = INVALID_HANDLE_VALUE;
// The pipe is opened for overlapped I/O only so that a read can be given up
// after StalledClientTimeoutMs; every wait below still blocks the listener.
HANDLE PipeIoEvent = nullptr;

void PrepareListener() {
  NewPrinterTitleText = NewPrinterTitle(UsesChinese(GetACP()));
  GetProgramFolder(ServiceFolder);
  MakeReportPath(ServiceFolder, ReportPath);
  // The status reporter runs on this machine; nothing from another one may post events.
  Pipe = CreateNamedPipeW(ServicePipeName, PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                          PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                          PIPE_UNLIMITED_INSTANCES, PipeBufferSize, PipeBufferSize, BusyClientWaitMs,
                          nullptr);
  PipeIoEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CreatePauseEvent();
}

// Finishes an overlapped call: waits up to `timeoutMs`, then gives the I/O up.
bool CompleteIo(BOOL started, OVERLAPPED& io, DWORD timeoutMs, DWORD& bytes) {
  if (!started && GetLastError() != ERROR_IO_PENDING) return false;
  if (!started && timeoutMs != INFINITE && WaitForSingleObject(io.hEvent, timeoutMs) != WAIT_OBJECT_0) {
    CancelIo(Pipe);
  }
  return GetOverlappedResult(Pipe, &io, &bytes, TRUE) != FALSE;
}

bool WaitForClient() {
  OVERLAPPED io;
  ZeroMemory(&io, sizeof io);
  io.hEvent = PipeIoEvent;
  const BOOL connected = ConnectNamedPipe(Pipe, &io);
  if (!connected && GetLastError() == ERROR_PIPE_CONNECTED) return true;
  DWORD unused;
  if (CompleteIo(connected, io, INFINITE, unused)) return true;
  const DWORD error = GetLastError();
  DisconnectNamedPipe(Pipe);
  if (error != ERROR_NO_DATA) Pause(ConnectRetryPauseMs);
  return false;
}

bool ReadMessage(char (&buffer)[MessageCapacity]) {
  ZeroMemory(buffer, sizeof buffer);
  OVERLAPPED io;
  ZeroMemory(&io, sizeof io);
  io.hEvent = PipeIoEvent;
  DWORD bytes = 0;
  return CompleteIo(ReadFile(Pipe, buffer, sizeof buffer, nullptr, &io), io, StalledClientTimeoutMs, bytes);
}

bool HandleMessage(const char (&buffer)[MessageCapacity]) {
  EventMessage message;
  ParseEventMessage(buffer, CP_THREAD_ACP, message);
  wchar_t printerName[FieldCapacity];
  if (!ConvertPrinterName(message.printerField, CP_THREAD_ACP, printerName)) return false;
  wchar_t popupTitle[TitleCapacity];
  FormatPopupTitle(popupTitle, printerName);
  return DispatchEvent({message.eventField, printerName, popupTitle, NewPrinterTitleText, message.printerCut});
}

void DisconnectClient() {
  FlushFileBuffers(Pipe);
  DisconnectNamedPipe(Pipe);
}

}  // namespace

DWORD WINAPI ListenerThread(void*) {
  PrepareListener();
  if (Pipe == INVALID_HANDLE_VALUE || PipeIoEvent == nullptr) return 0;
  for (;;) {
    if (!WaitForClient()) continue;
    char buffer[MessageCapacity];
    if (ReadMessage(buffer) && HandleMessage(buffer)) {
      ShutdownService(Pipe);
      return 0;
    }
    DisconnectClient();
  }
}
