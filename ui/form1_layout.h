#pragma once

#include <array>
#include <string_view>

// Where everything in the window stands, in twips (1/1440 inch; 15 to a
// pixel at 96 dots per inch), each control within its parent; the window's
// client area, "clientArea", holds the frames and the list. Every number of
// the layout is written here once; the window reads it, and nothing else does.
namespace quorvane::layout {

inline constexpr int TwipsPerPixel = 15;

struct Twips {
  int left, top, width, height;
};

struct Column {
  int left, width;
};

// The seven rows of the value grid: row k stands at top + pitch × k.
struct ValueRows {
  int top, pitch, height;
  Column value, description, hex;
};

struct FlagRow {
  int top, height;
};

inline constexpr Twips ClientArea{0, 0, 7710, 8925};

inline constexpr ValueRows Rows{600, 360, 285, {840, 375}, {1440, 2895}, {4560, 375}};
inline constexpr int HeadingTop = 240;
inline constexpr int HeadingHeight = 255;
// The four lines fence in the value and the hex column, one pixel wide, from
// the first row's top down to here.
inline constexpr int LinesBottom = 3000;

inline constexpr Column FlagColumn{240, 5655};
inline constexpr std::array<FlagRow, 8> FlagRows{{
    {240, 615},
    {840, 615},
    {1440, 615},
    {2040, 495},
    {2520, 495},
    {3000, 495},
    {3480, 495},
    {3960, 615},
}};

struct Placement {
  std::string_view name;
  std::string_view parent;
  Twips at;
};

constexpr Twips Heading(Column column) {
  return {column.left, HeadingTop, column.width, HeadingHeight};
}
constexpr Twips Line(int left) { return {left, Rows.top, TwipsPerPixel, LinesBottom - Rows.top}; }

// The controls outside the grid's rows and the flag rows, in the layout's order.
inline constexpr std::array<Placement, 13> Controls{{
    {"Frame3", "clientArea", {0, 0, 7695, 975}},
    {"cmdOpen", "Frame3", {120, 240, 735, 615}},
    {"cmdSave", "Frame3", {6840, 240, 735, 615}},
    {"lstWeapons", "clientArea", {0, 1080, 1455, 7785}},
    {"Frame1", "clientArea", {1560, 960, 6135, 3255}},
    {"Frame2", "clientArea", {1560, 4200, 6135, 4695}},
    {"Label3", "Frame1", Heading({720, 615})},
    {"Label2", "Frame1", Heading(Rows.description)},
    {"Label1", "Frame1", Heading(Rows.hex)},
    {"Line4", "Frame1", Line(720)},
    {"Line2", "Frame1", Line(1320)},
    {"Line1", "Frame1", Line(4440)},
    {"Line3", "Frame1", Line(5040)},
}};

}  // namespace quorvane::layout
