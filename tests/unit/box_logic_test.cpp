// The box's plain logic: the catalogue look-up and the popup geometry.
#include <gtest/gtest.h>

#include <string>

#include "box/catalogue.h"
#include "box/popup_layout.h"

namespace {

struct CatalogueCase {
  const wchar_t* name;
  const wchar_t* english;
  const wchar_t* chinese;
};

// Every text exactly as the popup shows it: ASCII spaces between the Chinese
// characters, full-width commas in "dpi" and "netbusy".
const CatalogueCase CatalogueCases[] = {
    {L"disconnect", L"Printer disconnected", L"打 印 机 已 断 开"},
    {L"connect", L"Printer connected", L"打 印 机 已 连 接"},
    {L"addNewDev", L"Printer connected", L"打 印 机 已 连 接"},
    {L"stopByHuman", L"Printer stopped", L"打 印 机 已 暂 停"},
    {L"temper", L"Temperature too high", L"打 印 机 温 度 过 高"},
    {L"cutter", L"Cutter is stucked", L"切 刀 被 卡 住 了"},
    {L"carbon", L"Please check the carbon", L"请 检 查 碳 带"},
    {L"busy", L"The printer is busy", L"打 印 机 忙"},
    {L"adapter", L"Please check the adapter", L"请 检 查 适 配 器"},
    {L"unlock", L"Please put the label box inside", L"请 放 入 标 签 盒"},
    {L"lockopened", L"The cover opened", L"打 印 机 仓 盖 异 常"},
    {L"labelmore", L"Paper no more", L"打 印 机 纸 张 不 足"},
    {L"labelbox", L"Please check label box", L"请 检 查 标 签 盒"},
    {L"labelunkown", L"Unkown label", L"标 签 类 型 不 识 别"},
    {L"labelnone", L"Paper no more", L"打 印 机 无 标 签 纸"},
    {L"continue", L"Print job resume", L"已 恢 复 打 印 作 业"},
    {L"newconnect", L"Discover new printer", L"请 安 装 驱 动"},
    {L"paper", L"Paper abnormal", L"纸 带 异 常"},
    {L"labelerr", L"Label abnormal", L"标 签 异 常"},
    {L"rfiderr", L"Write RFID error", L"RFID 写 入 失 败"},
    {L"rfidInvalid", L"RFID content error", L"RFID 格 式 或 内 容 无 效"},
    {L"rfidUnSupport", L"RFID unsupport", L"打 印 机 不 支 持 RFID"},
    {L"socketSnErr", L"IP error", L"IP 错 误! 请 更 新 IP 地 址"},
    {L"poweroff", L"Power low", L"打 印 机 电 量 不 足"},
    {L"dpi", L"DPI mismatch", L"DPI 不 匹 配\uFF0C请 安 装 对 应 驱 动"},
    {L"antifake", L"Antifake error", L"防 伪 电 路 错 误"},
    {L"netbusy", L"Network busy,please wait for a moment.", L"网 络 忙\uFF0C请 稍 等..."},
    {L"height", L"Template height too short", L"模 板 高 度 设 置 过 小"},
    {L"unkown", L"Unkown error", L"打 印 机 异 常"},
};

TEST(Catalogue, HoldsEveryEventWithItsTwoTexts) {
  for (const CatalogueCase& c : CatalogueCases) {
    const CatalogueEntry* entry = FindCatalogueEntry(c.name);
    ASSERT_NE(entry, nullptr) << std::wstring(c.name).size();
    EXPECT_STREQ(MessageText(*entry, false), c.english);
    EXPECT_STREQ(MessageText(*entry, true), c.chinese);
    EXPECT_EQ(entry->newPrinter, std::wstring(c.name) == L"newconnect");
  }
}

TEST(Catalogue, MatchesWholeNamesExactly) {
  for (const wchar_t* name : {L"Connect", L"CONNECT", L"connect ", L" connect", L"connec", L"connects", L"",
                              L"exit", L"normal", L"devCancel", L"closeNewDev", L"newdisconnect"}) {
    EXPECT_EQ(FindCatalogueEntry(name), nullptr) << std::wstring(name).size();
  }
}

constexpr int W = 280, H = 80;

TEST(PopupLayout, ItemsOfA280By80Popup) {
  const struct {
    PopupItemKind kind;
    RECT rect;
  } cases[] = {{CloseButton, {240, 1, 280, 19}},
               {ViewButton, {225, 55, 275, 75}},
               {Headline, {8, 26, 272, 46}},
               {Detail, {8, 51, 272, 45}}};
  for (const auto& c : cases) {
    const ItemPlacement p = PlaceItem(c.kind, W, H);
    EXPECT_EQ(p.x, c.rect.left) << c.kind;
    EXPECT_EQ(p.y, c.rect.top) << c.kind;
    EXPECT_EQ(p.x + p.width, c.rect.right) << c.kind;
    EXPECT_EQ(p.y + p.height, c.rect.bottom) << c.kind;
  }
}

PopupItem ItemAt(PopupItemKind kind, int width, int height) {
  const ItemPlacement p = PlaceItem(kind, width, height);
  PopupItem item = {};
  item.kind = kind;
  SetRect(&item.rect, p.x, p.y, p.x + p.width, p.y + p.height);
  return item;
}

TEST(PopupLayout, HitTestFindsTheFirstItemAndNeverTheEmptyDetail) {
  PopupItem items[4];
  for (int kind = 0; kind < 4; ++kind) items[kind] = ItemAt(static_cast<PopupItemKind>(kind), W, H);
  const struct {
    POINT point;
    int index;
  } cases[] = {{{240, 1}, 0},   {{279, 18}, 0}, {{280, 10}, -1}, {{239, 10}, -1}, {{225, 55}, 1},
               {{274, 74}, 1},  {{8, 26}, 2},   {{271, 45}, 2},  {{140, 46}, -1}, {{140, 48}, -1},
               {{100, 50}, -1}, {{0, 0}, -1},   {{100, 10}, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ItemIndexAt(items, 4, c.point.x, c.point.y), c.index) << c.point.x << "," << c.point.y;
  }
}

TEST(PopupLayout, DetailCanBeHitInAPopupHigherThan86Pixels) {
  PopupItem items[4];
  for (int kind = 0; kind < 4; ++kind) items[kind] = ItemAt(static_cast<PopupItemKind>(kind), W, 87);
  EXPECT_EQ(ItemIndexAt(items, 4, 100, 51), 3);
  EXPECT_EQ(ItemIndexAt(items, 4, 100, 52), -1);
}

TEST(PopupLayout, NineSliceStretchesEdgesAndCentreOver280By80) {
  SliceCopy copies[9];
  NineSliceCopies({0, 0, W, H}, FrameSource, FrameInner, copies);
  const SliceCopy expected[9] = {
      {true, 0, 0, 35, 25, 0, 0, 35, 25},       {false, 35, 0, 210, 25, 35, 0, 10, 25},
      {true, 245, 0, 35, 25, 45, 0, 35, 25},    {false, 0, 25, 35, 25, 0, 25, 35, 5},
      {false, 35, 25, 210, 25, 35, 25, 10, 5},  {false, 245, 25, 35, 25, 45, 25, 35, 5},
      {true, 0, 50, 35, 30, 0, 30, 35, 30},     {false, 35, 50, 210, 30, 35, 30, 10, 30},
      {true, 245, 50, 35, 30, 45, 30, 35, 30},
  };
  for (int i = 0; i < 9; ++i) {
    const SliceCopy& a = copies[i];
    const SliceCopy& e = expected[i];
    EXPECT_EQ(std::tie(a.corner, a.destX, a.destY, a.destWidth, a.destHeight, a.sourceX, a.sourceY, a.sourceWidth,
                       a.sourceHeight),
              std::tie(e.corner, e.destX, e.destY, e.destWidth, e.destHeight, e.sourceX, e.sourceY, e.sourceWidth,
                       e.sourceHeight))
        << "piece " << i + 1;
  }
}

TEST(PopupLayout, ButtonCellFollowsTheStatePressedOverHover) {
  const struct {
    int kind, width, hover, pressed;
    POINT cell;
  } cases[] = {
      {CloseButton, 40, -1, -1, {0, 60}},  {CloseButton, 40, 0, -1, {40, 60}}, {CloseButton, 40, -1, 0, {80, 60}},
      {CloseButton, 40, 0, 0, {80, 60}},   {CloseButton, 40, 2, 1, {0, 60}},   {ViewButton, 50, 1, -1, {50, 80}},
      {ViewButton, 50, 0, 1, {100, 80}},   {ViewButton, 50, -1, -1, {0, 80}},
  };
  for (const auto& c : cases) {
    const POINT cell = ButtonSourceCell(c.kind, c.width, c.hover, c.pressed);
    EXPECT_EQ(cell.x, c.cell.x) << c.kind << " " << c.hover << " " << c.pressed;
    EXPECT_EQ(cell.y, c.cell.y) << c.kind;
  }
}

TEST(PopupLayout, HandCursorOverViewButtonHeadlineAndDetailOnly) {
  for (int index = -1; index <= 3; ++index) EXPECT_EQ(ShowsHandCursor(index), index >= 1) << index;
}

}  // namespace
