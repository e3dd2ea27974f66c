#pragma once

#include "BoardSize.h"
#include "Colours.h"
#include "Twips.h"

#include <optional>
#include <span>

namespace pintu {

enum class LayoutSet { A, B }; // 640 x 480 and 800 x 600 displays

// Tile lefts (or tops) along one side: start + step x i, the first tile `extra`
// twips wider than the rest; each tile one pixel wider than the step, so that
// neighbours overlap.
struct TileAxis {
    int start;
    int step;
    int extra = 0;

    int position(int i) const { return start + step * i + (i > 0 ? extra : 0); }
    int length(int i) const { return step + twipsPerPixel + (i == 0 ? extra : 0); }
};

struct NumberMapLayout {
    int left;
    int top;
    TwipSize label;
    double fontPoints; // 0: the default font
};

// One board window of one layout set.
struct BoardLayout {
    const char* form;
    LayoutSet set;
    const BoardSize* size;
    TwipSize client;
    unsigned windowColour; // 0x00BBGGRR, or 0 for the system colour
    TileAxis columns;
    TileAxis rows;
    TwipRect command1;
    TwipRect command2;
    std::optional<TwipRect> command3; // auto-solve and restart share a rectangle
    std::optional<TwipRect> command5;
    std::optional<TwipRect> command6;
    TwipRect label1;
    TwipRect label2;
    TwipRect label4;
    TwipRect label5;
    TwipRect label3;
    std::optional<NumberMapLayout> numberMap;

    TwipRect tile(int k) const;
};

inline constexpr int numberMapSpacing = 240;

std::span<const BoardLayout> boardLayouts();
// The board for difficulty 0 to 3 ("简单" to "天才") of a layout set.
const BoardLayout& boardLayout(LayoutSet set, int difficulty);

} // namespace pintu
