#pragma once

#include "BoardLayouts.h"
#include "Twips.h"

#include <array>
#include <optional>

namespace pintu {

// The menu of one layout set.
struct MenuLayout {
    LayoutSet set;
    TwipSize client;
    std::optional<TwipRect> placement; // where the client area goes on the screen; none: where the system puts it
    TwipRect label1;                   // "拼"
    TwipRect label2;                   // "图"
    TwipRect label4;                   // "选择图片："
    TwipRect drive1;
    TwipRect dir1;
    TwipRect file1;
    TwipRect label7;                   // "难度选择："
    std::array<TwipRect, 4> option1;   // the difficulties
    TwipRect command1;                 // "确定"
    TwipRect command2;                 // "退出"
    TwipRect command3;                 // "光荣榜"
    TwipRect label6;                   // edition and date
    TwipRect label5;                   // credits
    TwipRect label3;
};

const MenuLayout& menuLayout(LayoutSet set);

// The resolution choice, shared by both sets.
struct ResolutionLayout {
    TwipSize client;
    TwipRect placement;
    std::array<TwipRect, 2> option1;
    TwipRect command1;
};

inline constexpr ResolutionLayout resolutionLayout{
    {2220, 1485},
    {4995, 3810, 2220, 1485},
    {{{600, 120, 1095, 255}, {600, 600, 1095, 255}}},
    {480, 1080, 1215, 375},
};

// The hall-of-fame viewer, shared by both sets.
struct HallOfFameLayout {
    TwipSize client;
    TwipRect text1;
    TwipRect command1;
};

inline constexpr HallOfFameLayout hallOfFameLayout{
    {7050, 4755},
    {120, 0, 6855, 3855},
    {2880, 4080, 1215, 495},
};

} // namespace pintu
