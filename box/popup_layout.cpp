#include "box/popup_layout.h"

namespace {
// The text items: side margin 8, headline top 26 and height 20, a gap of 5
// below the headline and a bottom margin of 35.
constexpr int TextMargin = 8;
constexpr int HeadlineTop = 26;
constexpr int HeadlineHeight = 20;
constexpr int DetailTop = HeadlineTop + HeadlineHeight + 5;
constexpr int DetailBottomMargin = 35;
}  // namespace

ItemPlacement PlaceItem(PopupItemKind kind, int width, int height) {
  switch (kind) {
    case CloseButton: return {width - 40, 1, 40, 18};
    case ViewButton: return {width - 55, height - 25, 50, 20};
    case Headline: return {TextMargin, HeadlineTop, width - 2 * TextMargin, HeadlineHeight};
    case Detail: break;
  }
  return {TextMargin, DetailTop, width - 2 * TextMargin, height - DetailTop - DetailBottomMargin};
}

void NineSliceCopies(const RECT& d, const RECT& s, const RECT& i, SliceCopy (&copies)[9]) {
  const int leftWidth = i.left - s.left, rightWidth = s.right - i.right;
  const int topHeight = i.top - s.top, bottomHeight = s.bottom - i.bottom;
  const int middleWidth = i.right - i.left, middleHeight = i.bottom - i.top;
  const int destMiddleWidth = (d.right - d.left) - leftWidth - rightWidth;
  const int destMiddleHeight = (d.bottom - d.top) - topHeight - bottomHeight;

  // Columns and rows of the grid: destination x/y and width/height, source x/y and width/height.
  const int destX[3] = {d.left, d.left + leftWidth, d.right - rightWidth};
  const int destW[3] = {leftWidth, destMiddleWidth, rightWidth};
  const int sourceX[3] = {s.left, i.left, i.right};
  const int sourceW[3] = {leftWidth, middleWidth, rightWidth};
  const int destY[3] = {d.top, d.top + topHeight, d.bottom - bottomHeight};
  const int destH[3] = {topHeight, destMiddleHeight, bottomHeight};
  const int sourceY[3] = {s.top, i.top, i.bottom};
  const int sourceH[3] = {topHeight, middleHeight, bottomHeight};

  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      copies[row * 3 + column] = {row != 1 && column != 1,
                                  destX[column], destY[row], destW[column], destH[row],
                                  sourceX[column], sourceY[row], sourceW[column], sourceH[row]};
    }
  }
}

POINT ButtonSourceCell(int kind, int width, int hoverIndex, int pressedIndex) {
  const int row = kind == CloseButton ? CloseButtonRow : kind == ViewButton ? ViewButtonRow : 0;
  const int state = pressedIndex == kind ? 2 : hoverIndex == kind ? 1 : 0;
  return {state * width, row};
}

int ItemIndexAt(const PopupItem* items, int itemCount, int x, int y) {
  const POINT point = {x, y};
  for (int index = 0; index < itemCount; ++index) {
    if (PtInRect(&items[index].rect, point)) return index;
  }
  return -1;
}
