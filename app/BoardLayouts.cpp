#include "BoardLayouts.h"

#include <array>

namespace pintu {

namespace {

constexpr TwipSize setA{9480, 6795};
constexpr TwipSize setB{11880, 8595};
constexpr unsigned silver = 0x00C0C0C0;
constexpr unsigned grey = 0x00808080;

const std::array<BoardLayout, 8> layouts{{
    {"Form2", LayoutSet::A, &board3x3, setA, systemColour, {120, 3120}, {0, 2040},
     {240, 6240, 735, 495}, {2040, 6240, 735, 495}, TwipRect{5880, 6240, 975, 495},
     TwipRect{8760, 6120, 375, 375}, TwipRect{8760, 6480, 375, 375},
     {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180}, {5160, 6360, 90, 180},
     {6960, 6240, 990, 315}, NumberMapLayout{8280, 6120, {105, 210}, 10.5}},
    {"Form3", LayoutSet::A, &board4x4, setA, silver, {120, 2280}, {0, 1440},
     {240, 6120, 735, 495}, {2040, 6120, 735, 495}, TwipRect{5880, 6120, 975, 495},
     TwipRect{8760, 5760, 375, 495}, TwipRect{8760, 6240, 375, 495},
     {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180}, {5160, 6360, 90, 180},
     {6960, 6240, 990, 315}, NumberMapLayout{8040, 5880, {105, 210}, 10.5}},
    {"Form4", LayoutSet::A, &board5x5, setA, grey, {0, 1920}, {0, 1080},
     {240, 5880, 735, 615}, {2040, 5880, 735, 615}, TwipRect{5880, 5880, 975, 615},
     TwipRect{8880, 5520, 375, 615}, TwipRect{8880, 6120, 375, 615},
     {3120, 6120, 375, 255}, {3600, 6120, 615, 255}, {4320, 6120, 720, 180}, {5160, 6120, 90, 180},
     {6960, 6000, 990, 315}, NumberMapLayout{8040, 5640, {90, 180}, 0}},
    {"Form5", LayoutSet::A, &board10x10, setA, grey, {0, 960}, {0, 600},
     {120, 6240, 735, 495}, {2040, 6240, 735, 495}, std::nullopt, std::nullopt, std::nullopt,
     {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180}, {5160, 6360, 90, 180},
     {6840, 6240, 990, 315}, std::nullopt},
    {"Form12", LayoutSet::B, &board3x3, setB, systemColour, {0, 3960}, {0, 2520},
     {240, 7920, 735, 495}, {2280, 7920, 735, 495}, TwipRect{7440, 7920, 975, 495},
     TwipRect{11040, 7800, 375, 375}, TwipRect{11040, 8160, 375, 375},
     {3600, 8040, 375, 255}, {4080, 8040, 615, 255}, {5160, 8040, 720, 180}, {6000, 8040, 90, 180},
     {8640, 8040, 990, 315}, NumberMapLayout{10680, 7800, {105, 210}, 10.5}},
    {"Form13", LayoutSet::B, &board4x4, setB, systemColour, {0, 2880, 120}, {0, 1920},
     {240, 7920, 735, 495}, {2280, 7920, 735, 495}, TwipRect{7200, 7920, 975, 495},
     TwipRect{11160, 7680, 375, 495}, TwipRect{11160, 8160, 375, 495},
     {3600, 8040, 375, 255}, {4080, 8040, 615, 255}, {5160, 8040, 720, 180}, {6000, 8040, 90, 180},
     {8400, 8040, 990, 315}, NumberMapLayout{10560, 7680, {105, 210}, 10.5}},
    {"Form14", LayoutSet::B, &board5x5, setB, grey, {240, 2280}, {120, 1440},
     {480, 7680, 735, 615}, {2280, 7680, 735, 615}, TwipRect{7200, 7680, 975, 615},
     TwipRect{11040, 7440, 375, 615}, TwipRect{11040, 8040, 375, 615},
     {3360, 7920, 375, 255}, {3840, 7920, 615, 255}, {4920, 7920, 720, 180}, {5640, 7920, 90, 180},
     {8400, 7800, 990, 315}, NumberMapLayout{10320, 7440, {90, 180}, 0}},
    {"Form15", LayoutSet::B, &board10x10, setB, grey, {0, 1200}, {240, 720},
     {480, 7800, 735, 495}, {2760, 7800, 735, 495}, std::nullopt, std::nullopt, std::nullopt,
     {4080, 7920, 375, 255}, {4560, 7920, 615, 255}, {6600, 7920, 720, 180}, {7440, 7920, 90, 180},
     {9360, 7920, 990, 315}, std::nullopt},
}};

} // namespace

TwipRect BoardLayout::tile(int k) const
{
    const int column = k % size->N;
    const int row = k / size->N;
    return {columns.position(column), rows.position(row), columns.length(column), rows.length(row)};
}

std::span<const BoardLayout> boardLayouts()
{
    return layouts;
}

const BoardLayout& boardLayout(LayoutSet set, int difficulty)
{
    return layouts[(set == LayoutSet::A ? 0 : 4) + difficulty];
}

} // namespace pintu
