// Real mouse input on the X server, through xdotool, as a user's hand makes it.
#pragma once

#include <windows.h>

namespace XMouse {
void MoveTo(int x, int y);  // screen coordinates
void Press();
void Release();
void ClickAt(int x, int y);
}  // namespace XMouse
