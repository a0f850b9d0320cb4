// Real mouse input on the X server, through xdotool, as a user's hand makes it.
#pragma once

#include <windows.h>

namespace XMouse {
void MoveTo(int x, int y);  // screen coordinates
void Press();
void Release();
void ClickAt(int x, int y);

// Screen coordinates far from the bottom-right corner where popups appear.
constexpr POINT AwayFromPopups = {100, 100};
// A pointer left over the corner by an earlier test would hover a new popup.
inline void MoveAwayFromPopups() { MoveTo(AwayFromPopups.x, AwayFromPopups.y); }
}  // namespace XMouse
