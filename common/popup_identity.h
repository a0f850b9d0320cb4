// How a popup is known on screen: the window class and the title. The service
// finds and closes a printer's popups by exactly these, so both programs form
// them here, in one place.
#pragma once

#include <windows.h>

constexpr wchar_t PopupClassName[] = L"tavloQ41";
constexpr wchar_t PopupVersionText[] = L"V1.0.0";
constexpr size_t TitleCapacity = MAX_PATH;

// Chinese for the simplified-Chinese ANSI code page, English for every other.
constexpr UINT ChineseCodePage = 936;
inline bool UsesChinese(UINT ansiCodePage) { return ansiCodePage == ChineseCodePage; }

// The title of the popup that announces a newly discovered printer.
const wchar_t* NewPrinterTitle(bool chinese);

// The printer name, two spaces and the version text. False, with an empty
// title, when the printer name leaves no room for the rest.
bool FormatPopupTitle(wchar_t (&title)[TitleCapacity], const wchar_t* printerName);
