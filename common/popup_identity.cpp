#include "common/popup_identity.h"

const wchar_t* NewPrinterTitle(bool chinese) {
  return chinese ? L"发现新打印机" : L"Discover new printer";
}

bool FormatPopupTitle(wchar_t (&title)[TitleCapacity], const wchar_t* printerName) {
  constexpr size_t separatorAndVersion = 2 + (sizeof PopupVersionText / sizeof PopupVersionText[0] - 1);
  title[0] = L'\0';
  if (static_cast<size_t>(lstrlenW(printerName)) + separatorAndVersion >= TitleCapacity) return false;
  wsprintfW(title, L"%s  %s", printerName, PopupVersionText);
  return true;
}
