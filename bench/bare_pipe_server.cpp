// The floor for the service's throughput: a pipe server that only connects a
// client, reads one message of up to 256 bytes and disconnects, on the
// service's pipe name and with its pipe settings.
#include <windows.h>

#include "common/service_pipe.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HANDLE pipe = CreateNamedPipeW(ServicePipeName, PIPE_ACCESS_DUPLEX,
                                 PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                 4096, 4096, 3000, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return 1;
  for (;;) {
    if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) {
      DisconnectNamedPipe(pipe);
      continue;
    }
    char message[256];
    DWORD read = 0;
    const BOOL got = ReadFile(pipe, message, sizeof message, &read, nullptr);
    DisconnectNamedPipe(pipe);
    if (got && read == 4 && CompareStringA(LOCALE_INVARIANT, 0, message, 4, "exit", 4) == CSTR_EQUAL) return 0;
  }
}
