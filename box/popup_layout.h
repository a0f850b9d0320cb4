// The popup's geometry as plain functions: where the items sit, how the skin
// sheet's frame is cut into nine pieces, which sheet cell a button shows, and
// which item lies under the mouse.
#pragma once

#include <windows.h>

#include "box/popup_window.h"

// Skin-sheet regions (sheet pixels).
constexpr RECT FrameSource = {0, 0, 80, 60};
constexpr RECT FrameInner = {35, 25, 45, 30};
constexpr COLORREF SkinTransparentColour = RGB(255, 0, 255);
constexpr int CloseButtonRow = 60;
constexpr int ViewButtonRow = 80;

struct ItemPlacement {
  int x, y, width, height;
};

// Where item `kind` sits in a popup of width by height pixels.
ItemPlacement PlaceItem(PopupItemKind kind, int width, int height);

// One of the nine copies that draw the frame: destination and source
// rectangles as x, y, width, height; the four corners honour the transparent colour.
struct SliceCopy {
  bool corner;
  int destX, destY, destWidth, destHeight;
  int sourceX, sourceY, sourceWidth, sourceHeight;
};

void NineSliceCopies(const RECT& dest, const RECT& source, const RECT& inner, SliceCopy (&copies)[9]);

// The sheet cell a button item shows: its row by kind, its column by state,
// pressed winning over hover.
POINT ButtonSourceCell(int kind, int width, int hoverIndex, int pressedIndex);

// The index of the first item whose rectangle holds (x, y), or -1.
int ItemIndexAt(const PopupItem* items, int itemCount, int x, int y);

// The view button, the headline and the detail take the hand cursor.
inline bool ShowsHandCursor(int index) { return index >= ViewButton && index <= Detail; }
