#include "panel/natives/ValueSets.h"

namespace panel::natives {

namespace {

// Line styles and fill patterns as the raster drawing service draws them.
constexpr Value kLineStyleValues[] = {
    {0, "no line"},
    {1, "solid"},
    {2, "dashed: 6 on, 3 off (times the width)"},
    {3, "dotted: 1 on, 1 off"},
    {4, "dash dot"},
    {5, "dash dot dot"},
    {6, "long dashes: 12 on, 4 off"},
    {7, "dashed as 2, the gaps in the back colour"},
    {8, "dotted as 3, the gaps in the back colour"},
};

constexpr Value kFillPatternValues[] = {
    {0, "no fill"},
    {1, "solid"},
    {2, "horizontal lines, every 4th row"},
    {3, "vertical lines, every 4th column"},
    {4, "rising diagonals, every 4th"},
    {5, "falling diagonals, every 4th"},
    {6, "grid (2 and 3)"},
    {7, "diagonal cross (4 and 5)"},
    {8, "checkerboard, 50 %"},
    {9, "dots, 25 %"},
    {10, "sparse dots, one pixel in 16"},
    {11, "75 % (9 inverted)"},
};

constexpr Value kLineEndValues[] = {
    {0, "none"},
    {1, "arrow head on the last point"},
    {2, "arrow head on the first point"},
    {3, "arrow heads on both ends"},
};

constexpr Value kResizeAnchorValues[] = {
    {0, "no resize in this axis"},      {1, "horizontal, centre kept"},
    {2, "horizontal, right edge kept"}, {3, "vertical, bottom edge kept"},
    {4, "vertical, centre kept"},       {5, "vertical, top edge kept"},
    {6, "horizontal, left edge kept"},
};

constexpr Value kHorizontalAnchorValues[] = {
    {0, "no horizontal resize"},
    {1, "centre kept"},
    {2, "right edge kept"},
    {6, "left edge kept"},
};

constexpr Value kVerticalAnchorValues[] = {
    {0, "no vertical resize"},
    {3, "bottom edge kept"},
    {4, "centre kept"},
    {5, "top edge kept"},
};

constexpr Value kTextModeValues[] = {
    {0, "left, top"},       {1, "left, middle"}, {2, "centred, middle"},
    {3, "right, middle"},   {4, "left, bottom"}, {5, "centred, top"},
    {6, "centred, bottom"}, {7, "right, top"},   {8, "right, bottom"},
};

constexpr Value kHorizontalPlacementValues[] = {{0, "left"}, {1, "centred"}, {2, "right"}};
constexpr Value kVerticalPlacementValues[] = {{0, "top"}, {1, "middle"}, {2, "bottom"}};

constexpr Value kNumberBaseValues[] = {
    {2, "binary"}, {8, "octal"}, {10, "decimal"}, {16, "hexadecimal, upper-case"}};

// 7 March 2024, 15:05:09 shown in each layout.
constexpr Value kDateTimeFormatValues[] = {
    {1, "year/month/day: 2024/03/07"},
    {2, "year/day/month: 2024/07/03"},
    {3, "month/day/year: 03/07/2024"},
    {4, "day/month/year: 07/03/2024"},
    {5, "yy/month/day: 24/03/07"},
    {6, "yy/day/month: 24/07/03"},
    {7, "month/day/yy: 03/07/24"},
    {8, "day/month/yy: 07/03/24"},
    {9, "yearmonthday: 20240307"},
    {10, "month/day: 03/07"},
    {11, "yymmdd: 240307"},
    {12, "day/month: 07/03"},
    {20, "time of day: 15:05:09"},
};

constexpr Value kMarkTypeValues[] = {
    {0, "none"},
    {1, "filled circle"},
    {2, "circle"},
    {3, "diagonal cross"},
    {4, "diamond"},
    {5, "diamond with upright cross"},
    {6, "upright cross"},
    {7, "square"},
    {8, "square with diagonal cross"},
    {9, "triangle, point down"},
    {10, "triangle, point up"},
};

constexpr Value kBevelValues[] = {
    {1, "one-pixel bevel lines"},
    {2, "two-pixel bevel lines"},
};

}  // namespace

const ValueSet kLineStyles{"line style", kLineStyleValues, "solid"};
const ValueSet kFillPatterns{"fill pattern", kFillPatternValues, "solid"};
const ValueSet kLineEnds{"line end", kLineEndValues, "none"};
const ValueSet kResizeAnchors{"resize anchor", kResizeAnchorValues};
const ValueSet kHorizontalAnchors{"horizontal resize anchor", kHorizontalAnchorValues,
                                  "no horizontal resize"};
const ValueSet kVerticalAnchors{"vertical resize anchor", kVerticalAnchorValues,
                                "no vertical resize"};
const ValueSet kTextModes{"text alignment", kTextModeValues, "left, top"};
const ValueSet kHorizontalPlacements{"horizontal alignment", kHorizontalPlacementValues, "left"};
const ValueSet kVerticalPlacements{"vertical alignment", kVerticalPlacementValues, "top"};
const ValueSet kNumberBases{"number base", kNumberBaseValues, "digits in that base, never grouped"};
const ValueSet kDateTimeFormats{"date and time format", kDateTimeFormatValues, "a single blank"};
const ValueSet kMarkTypes{"mark type", kMarkTypeValues, "none"};
const ValueSet kBevels{"bevel", kBevelValues,
                       "solid bands of that many pixels, with diagonal corner joins"};

}  // namespace panel::natives
