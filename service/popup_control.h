// Closing the popups on screen and starting the popup box.
#pragma once

#include "common/program_paths.h"

// The service's own folder, with its trailing backslash; the box is started
// from here. Empty when the service's path is too long to be held.
extern wchar_t ServiceFolder[PathCapacity];

// A box whose window does not go away after WM_QUIT (hung, or another
// program's window of the same class and title) would hold the listener for
// ever; after this many passes ClosePopups gives up and the service serves on.
constexpr int ClosePopupsMaxPasses = 200;  // about 2 s at 10 ms a pass
constexpr DWORD ClosePopupsPauseMs = 10;

// Posts WM_QUIT to every popup with `title` (any title when null) and returns
// when none is left, or after ClosePopupsMaxPasses passes.
void ClosePopups(const wchar_t* title);

bool PopupExists(const wchar_t* title);

// How long LaunchBox waits for a started box to have read "box.ini" and shown
// its popup (to wait for input) before the next event may rewrite the file.
// A box that is slower than this, or hangs, is left to itself.
constexpr DWORD BoxStartWaitMs = 2000;

// Starts "tvQ41Box.exe" from ServiceFolder when it is there, and waits until
// it has taken its event, at most BoxStartWaitMs.
void LaunchBox();
