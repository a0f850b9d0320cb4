// tvQ41Box: the popup box. The status service starts it once per event; it
// reads the event from "box.ini" beside itself, shows one popup, and ends when
// the popup is closed or the service tells it to quit.
#include <windows.h>

#include "box/catalogue.h"
#include "box/popup_window.h"
#include "common/bounded_text.h"
#include "common/popup_identity.h"
#include "common/report_reader.h"

namespace {

constexpr int SkinSheet = 129;
constexpr COLORREF TitleColour = RGB(0, 0, 0);
constexpr int PopupWidth = 280;
constexpr int PopupHeight = 80;

// The one popup object, made before wWinMain runs and ended at process exit.
PopupWindow Popup;

// Shows the popup of the reported event; false when there is nothing to show.
bool ShowReportedEvent(bool chinese) {
  wchar_t folder[PathCapacity];
  wchar_t reportPath[PathCapacity];
  // A folder too long for its buffer could only lead to some other file.
  if (!GetProgramFolder(folder) || !MakeReportPath(folder, reportPath)) return false;

  wchar_t eventName[ReportValueCapacity];
  wchar_t printerName[ReportValueCapacity];
  ReadReport(reportPath, eventName, printerName);
  const CatalogueEntry* entry = FindCatalogueEntry(eventName);
  if (entry == nullptr) return false;

  wchar_t message[ItemTextCapacity] = L"";
  CopyText(message, MessageText(*entry, chinese));
  wchar_t title[TitleCapacity];
  if (entry->newPrinter) {
    CopyText(title, NewPrinterTitle(chinese));
  } else {
    FormatPopupTitle(title, printerName);
  }

  Popup.LoadSkin(MAKEINTRESOURCEW(SkinSheet), TitleColour);
  if (!Popup.Create(PopupClassName, title, PopupWidth, PopupHeight)) return false;
  Popup.SetTexts(message, L"", L"");
  Popup.ShowAtCorner();
  Popup.SetQuitOnDestroy(TRUE);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!ShowReportedEvent(UsesChinese(GetACP()))) return 0;
  MSG message = {};
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 0;  // the queue is gone; nothing more can arrive
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
