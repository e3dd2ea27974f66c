#include "app/look/BoardLayouts.h"

namespace pintu {

namespace {

constexpr TwipSize setA{9480, 6795};
constexpr TwipSize setB{11880, 8595};
constexpr unsigned silver = 0x00C0C0C0;
constexpr unsigned grey = 0x00808080;

const std::array<BoardLayout, 8> layouts{{
    {.set = LayoutSet::A, .size = &board3x3, .client = setA, .windowColour = systemColour,
     .columns = {120, 3120}, .rows = {0, 2040},
     .start = {240, 6240, 735, 495}, .exit = {2040, 6240, 735, 495}, .autoSolve = TwipRect{5880, 6240, 975, 495},
     .stepBack = TwipRect{8760, 6120, 375, 375}, .stepForward = TwipRect{8760, 6480, 375, 375},
     .stepsCaption = {3120, 6360, 375, 255}, .steps = {3600, 6360, 615, 255},
     .clockCaption = {4320, 6360, 720, 180}, .clock = {5160, 6360, 90, 180},
     .credit = {6960, 6240, 990, 315}, .numberMap = NumberMapLayout{8280, 6120, {105, 210}, 10.5}},
    {.set = LayoutSet::A, .size = &board4x4, .client = setA, .windowColour = silver,
     .columns = {120, 2280}, .rows = {0, 1440},
     .start = {240, 6120, 735, 495}, .exit = {2040, 6120, 735, 495}, .autoSolve = TwipRect{5880, 6120, 975, 495},
     .stepBack = TwipRect{8760, 5760, 375, 495}, .stepForward = TwipRect{8760, 6240, 375, 495},
     .stepsCaption = {3120, 6360, 375, 255}, .steps = {3600, 6360, 615, 255},
     .clockCaption = {4320, 6360, 720, 180}, .clock = {5160, 6360, 90, 180},
     .credit = {6960, 6240, 990, 315}, .numberMap = NumberMapLayout{8040, 5880, {105, 210}, 10.5}},
    {.set = LayoutSet::A, .size = &board5x5, .client = setA, .windowColour = grey,
     .columns = {0, 1920}, .rows = {0, 1080},
     .start = {240, 5880, 735, 615}, .exit = {2040, 5880, 735, 615}, .autoSolve = TwipRect{5880, 5880, 975, 615},
     .stepBack = TwipRect{8880, 5520, 375, 615}, .stepForward = TwipRect{8880, 6120, 375, 615},
     .stepsCaption = {3120, 6120, 375, 255}, .steps = {3600, 6120, 615, 255},
     .clockCaption = {4320, 6120, 720, 180}, .clock = {5160, 6120, 90, 180},
     .credit = {6960, 6000, 990, 315}, .numberMap = NumberMapLayout{8040, 5640, {90, 180}, 0}},
    {.set = LayoutSet::A, .size = &board10x10, .client = setA, .windowColour = grey,
     .columns = {0, 960}, .rows = {0, 600},
     .start = {120, 6240, 735, 495}, .exit = {2040, 6240, 735, 495},
     .stepsCaption = {3120, 6360, 375, 255}, .steps = {3600, 6360, 615, 255},
     .clockCaption = {4320, 6360, 720, 180}, .clock = {5160, 6360, 90, 180},
     .credit = {6840, 6240, 990, 315}},
    {.set = LayoutSet::B, .size = &board3x3, .client = setB, .windowColour = systemColour,
     .columns = {0, 3960}, .rows = {0, 2520},
     .start = {240, 7920, 735, 495}, .exit = {2280, 7920, 735, 495}, .autoSolve = TwipRect{7440, 7920, 975, 495},
     .stepBack = TwipRect{11040, 7800, 375, 375}, .stepForward = TwipRect{11040, 8160, 375, 375},
     .stepsCaption = {3600, 8040, 375, 255}, .steps = {4080, 8040, 615, 255},
     .clockCaption = {5160, 8040, 720, 180}, .clock = {6000, 8040, 90, 180},
     .credit = {8640, 8040, 990, 315}, .numberMap = NumberMapLayout{10680, 7800, {105, 210}, 10.5}},
    {.set = LayoutSet::B, .size = &board4x4, .client = setB, .windowColour = systemColour,
     .columns = {0, 2880, 120}, .rows = {0, 1920},
     .start = {240, 7920, 735, 495}, .exit = {2280, 7920, 735, 495}, .autoSolve = TwipRect{7200, 7920, 975, 495},
     .stepBack = TwipRect{11160, 7680, 375, 495}, .stepForward = TwipRect{11160, 8160, 375, 495},
     .stepsCaption = {3600, 8040, 375, 255}, .steps = {4080, 8040, 615, 255},
     .clockCaption = {5160, 8040, 720, 180}, .clock = {6000, 8040, 90, 180},
     .credit = {8400, 8040, 990, 315}, .numberMap = NumberMapLayout{10560, 7680, {105, 210}, 10.5}},
    {.set = LayoutSet::B, .size = &board5x5, .client = setB, .windowColour = grey,
     .columns = {240, 2280}, .rows = {120, 1440},
     .start = {480, 7680, 735, 615}, .exit = {2280, 7680, 735, 615}, .autoSolve = TwipRect{7200, 7680, 975, 615},
     .stepBack = TwipRect{11040, 7440, 375, 615}, .stepForward = TwipRect{11040, 8040, 375, 615},
     .stepsCaption = {3360, 7920, 375, 255}, .steps = {3840, 7920, 615, 255},
     .clockCaption = {4920, 7920, 720, 180}, .clock = {5640, 7920, 90, 180},
     .credit = {8400, 7800, 990, 315}, .numberMap = NumberMapLayout{10320, 7440, {90, 180}, 0}},
    {.set = LayoutSet::B, .size = &board10x10, .client = setB, .windowColour = grey,
     .columns = {0, 1200}, .rows = {240, 720},
     .start = {480, 7800, 735, 495}, .exit = {2760, 7800, 735, 495},
     .stepsCaption = {4080, 7920, 375, 255}, .steps = {4560, 7920, 615, 255},
     .clockCaption = {6600, 7920, 720, 180}, .clock = {7440, 7920, 90, 180},
     .credit = {9360, 7920, 990, 315}},
}};

} // namespace

TwipRect BoardLayout::tile(int k) const
{
    const int column = k % size->side;
    const int row = k / size->side;
    return {columns.position(column), rows.position(row), columns.length(column), rows.length(row)};
}

std::optional<TwipRect> BoardLayout::place(Control control) const
{
    switch (control) {
    case Control::Start:
        return start;
    case Control::Exit:
        return exit;
    case Control::AutoSolve:
    case Control::Restart:
        return autoSolve;
    case Control::StepBack:
        return stepBack;
    case Control::StepForward:
        return stepForward;
    case Control::StepsCaption:
        return stepsCaption;
    case Control::Steps:
        return steps;
    case Control::ClockCaption:
        return clockCaption;
    case Control::Clock:
        return clock;
    case Control::Credit:
        return credit;
    }
    return std::nullopt;
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
