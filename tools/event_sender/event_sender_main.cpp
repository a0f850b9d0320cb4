// tvQ41Send <event> [<printer>]
// Posts one event message to the running status service, the way the printer
// driver's status reporter does: the event name, "_" and the printer name in
// the ANSI code page. Without a printer the message is the event name alone.
// Exit code 0 once the service has taken the event (for "exit": once the
// service has ended, so that its files are free); otherwise a one-line reason
// on standard error and a nonzero code.
#include <windows.h>

#include "tools/event_sender/pipe_client.h"

namespace {

constexpr DWORD MaxMessageBytes = 256;

enum ExitCode { Sent = 0, Usage = 2, NoService = 3, WriteFailed = 4, BadMessage = 5, StillRunning = 6 };

// The service ends about a second after it has let the "exit" client go.
constexpr DWORD ServiceEndWaitMs = 5000;

int Fail(int code, const char* reason, DWORD error = 0) {
  char line[160];
  if (error != 0) wsprintfA(line, "tvQ41Send: %s (error %lu)\r\n", reason, error);
  else wsprintfA(line, "tvQ41Send: %s\r\n", reason);
  DWORD written;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, lstrlenA(line), &written, nullptr);
  return code;
}

// Appends `text` in the ANSI code page; false when a character has no form
// there or the message would pass MaxMessageBytes.
bool AppendAnsi(char (&message)[MaxMessageBytes + 1], int& length, const wchar_t* text) {
  if (text[0] == L'\0') return true;
  BOOL usedDefault = FALSE;
  const int room = static_cast<int>(MaxMessageBytes) - length;
  const int added = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, message + length, room + 1,
                                        nullptr, &usedDefault);
  if (added == 0 || usedDefault) return false;
  length += added - 1;  // the count includes the terminator
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3) return Fail(Usage, "usage: tvQ41Send <event> [<printer>]");
  char message[MaxMessageBytes + 1] = "";
  int length = 0;
  bool built = AppendAnsi(message, length, argv[1]);
  if (built && argc == 3) {
    built = length < static_cast<int>(MaxMessageBytes);
    if (built) message[length++] = '_';
    built = built && AppendAnsi(message, length, argv[2]);
  }
  if (!built) return Fail(BadMessage, "the message does not fit in 256 bytes of the ANSI code page");

  const PostOutcome outcome = PostEventMessage(message, static_cast<DWORD>(length));
  if (outcome.result == PostResult::NoService) {
    return Fail(NoService, "no status service listens on the pipe", outcome.error);
  }
  if (outcome.result == PostResult::WriteFailed) {
    return Fail(WriteFailed, "the message could not be written", outcome.error);
  }
  if (lstrcmpW(argv[1], L"exit") == 0 && !WaitForServiceEnd(ServiceEndWaitMs)) {
    return Fail(StillRunning, "the service took \"exit\" but has not ended");
  }
  return Sent;
}
