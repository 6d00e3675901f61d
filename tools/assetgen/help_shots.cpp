// The big screen's skin images shown at half size: sharp on fine screens, and each sprite
// lands on whole pixels because every position of that layout is even.
#include "tools/assetgen/help_shots.h"

#include <iterator>

#include "game/board.h"
#include "tools/assetgen/skin_images.h"
#include "view/layout_table.h"
#include "view/skin_names.h"

namespace {

constexpr int32_t ShotLayout = 1;  // 480 x 640
constexpr int Shrink = 2;

// A game under way: both sides have taken two boxes and no box has three sides left open.
struct Piece {
  int cell;
  int32_t owner;
};
const Piece Game[] = {
    {0, OwnerUser},       {7, OwnerUser},       {22, OwnerComputer},  {9, OwnerUser},
    {8, OwnerUser},       {1, OwnerComputer},   {23, OwnerUser},      {11, OwnerUser},
    {10, OwnerUser},      {70, OwnerUser},      {92, OwnerComputer},  {81, OwnerComputer},
    {83, OwnerComputer},  {82, OwnerComputer},  {112, OwnerComputer}, {134, OwnerUser},
    {121, OwnerComputer}, {123, OwnerComputer}, {122, OwnerComputer}, {49, OwnerUser},
    {41, OwnerComputer},  {157, OwnerUser},     {139, OwnerComputer}, {89, OwnerUser},
    {57, OwnerComputer},  {138, OwnerComputer}, {109, OwnerUser},     {19, OwnerComputer},
    {153, OwnerUser},
};
constexpr int UserBoxes = 2, ComputerBoxes = 2;

std::string Px(int value, int shrink) { return std::to_string(value / shrink) + "px"; }

// The CSS that cuts a cell's sprite out of its sheet, as the game copies it.
std::string SpriteStyle(CellKind kind, int32_t owner, int skin, int shrink) {
  const BoardMetrics& m = Layouts[ShotLayout];
  const int side = owner == OwnerUser ? 0 : 1;
  LPCWSTR sheet = SquaresName;
  int width = m.boxWidth, height = m.boxHeight, x = side * width, y = skin * height;
  int sheetWidth = 2 * width, sheetHeight = SkinCount * height;
  if (kind == CellKind::HorizontalLine) {
    sheet = HorizontalLinesName;
    width = m.hLineWidth, height = m.hLineHeight, x = side * width, y = skin * height;
    sheetWidth = 2 * width, sheetHeight = SkinCount * height;
  } else if (kind == CellKind::VerticalLine) {
    sheet = VerticalLinesName;
    width = m.vLineWidth, height = m.vLineHeight, x = skin * width, y = side * height;
    sheetWidth = SkinCount * width, sheetHeight = 2 * height;
  }
  return "width:" + Px(width, shrink) + ";height:" + Px(height, shrink) + ";background:url(" +
         ResourceFileName({sheet, SheetSuffix(ShotLayout)}) + ") -" + Px(x, shrink) + " -" + Px(y, shrink) +
         "/" + Px(sheetWidth, shrink) + " " + Px(sheetHeight, shrink);
}

// Sprites for `pieces` over a crop of the skin's background that starts at left, top.
std::string Pieces(const Piece* pieces, size_t count, int skin, int left, int top, int shrink) {
  std::string html;
  for (size_t i = 0; i < count; ++i) {
    const RECT r = CellRect(Layouts[ShotLayout], pieces[i].cell);
    html += "<div style=\"left:" + Px(r.left - left, shrink) + ";top:" + Px(r.top - top, shrink) + ";" +
            SpriteStyle(KindOfCell(pieces[i].cell), pieces[i].owner, skin, shrink) + "\"></div>";
  }
  return html;
}

std::string BackgroundFile(int skin) {
  return ResourceFileName({SkinPrefix(skin), BackgroundName, BackgroundSuffix(ShotLayout)});
}

}  // namespace

std::string SkinShot(int skin, const char* description) {
  const BoardMetrics& m = Layouts[ShotLayout];
  std::string html =
      "<div class=\"shot\"><img src=\"" + BackgroundFile(skin) + "\" alt=\"" + description + "\">";
  html += Pieces(Game, std::size(Game), skin, 0, 0, Shrink);
  // The numbers as the game writes them: at the top left of each score field.
  const char* scoreClass = skin == 1 ? "score grey" : "score";
  const RECT you = UserScoreRect(m), cpu = ComputerScoreRect(m);
  html += std::string("<b class=\"") + scoreClass + "\" style=\"left:" + Px(you.left, Shrink) +
          ";top:" + Px(you.top, Shrink) + "\">" + std::to_string(UserBoxes) + "</b>";
  html += std::string("<b class=\"") + scoreClass + "\" style=\"left:" + Px(cpu.left, Shrink) +
          ";top:" + Px(cpu.top, Shrink) + "\">" + std::to_string(ComputerBoxes) + "</b></div>";
  return html;
}

std::string ClosedBox(int32_t owner) {
  // The top-left box of the board with its four sides and corner points, at full size, with
  // a margin of the board around it.
  const BoardMetrics& m = Layouts[ShotLayout];
  const Piece pieces[] = {{0, owner}, {7, owner}, {9, owner}, {22, owner}, {8, owner}};
  const int margin = 6, size = 2 * m.gapX + m.hLineWidth + 2 * margin;
  const int left = m.originX - margin, top = m.originY - margin;
  return "<div class=\"closed\" style=\"width:" + Px(size, 1) + ";height:" + Px(size, 1) +
         ";background:url(" + BackgroundFile(0) + ") -" + Px(left, 1) + " -" + Px(top, 1) + "\">" +
         Pieces(pieces, std::size(pieces), 0, left, top, 1) + "</div>";
}
