#pragma once

#include "app/look/Colours.h"
#include "app/look/Twips.h"
#include "board/BoardScreen.h"
#include "board/BoardSize.h"

#include <QtGlobal>

#include <array>
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
    LayoutSet set;
    const BoardSize* size;
    TwipSize client;
    unsigned windowColour; // 0x00BBGGRR, or 0 for the system colour
    TileAxis columns;
    TileAxis rows;
    TwipRect start;
    TwipRect exit;
    std::optional<TwipRect> autoSolve = std::nullopt; // "重新开始" takes the same place
    std::optional<TwipRect> stepBack = std::nullopt;
    std::optional<TwipRect> stepForward = std::nullopt;
    TwipRect stepsCaption;
    TwipRect steps;
    TwipRect clockCaption;
    TwipRect clock;
    TwipRect credit;
    std::optional<NumberMapLayout> numberMap = std::nullopt;

    TwipRect tile(int k) const;
    // Where `control` goes; none when this board has no such control.
    std::optional<TwipRect> place(Control control) const;
};

// A control of the board windows, with the object name its widget carries.
struct BoardControl {
    Control control;
    const char* objectName;
    const char* caption;
    bool isButton;
    const char* spokenName = nullptr; // what a screen reader says where the caption alone says too little
};

// In the order the window creates them, which is also their stacking order.
// The captions in words are translated as the board window's.
inline constexpr std::array<BoardControl, 11> boardControls{{
    {Control::Start, "Command1", QT_TRANSLATE_NOOP("pintu::BoardWindow", "开始"), true},
    {Control::Exit, "Command2", QT_TRANSLATE_NOOP("pintu::BoardWindow", "退出"), true},
    {Control::AutoSolve, "Command3", QT_TRANSLATE_NOOP("pintu::BoardWindow", "自动拼图"), true},
    {Control::Restart, "Command4", QT_TRANSLATE_NOOP("pintu::BoardWindow", "重新开始"), true},
    {Control::StepBack, "Command5", QT_TRANSLATE_NOOP("pintu::BoardWindow", "上"), true,
     QT_TRANSLATE_NOOP("pintu::BoardWindow", "上一步")},
    {Control::StepForward, "Command6", QT_TRANSLATE_NOOP("pintu::BoardWindow", "下"), true,
     QT_TRANSLATE_NOOP("pintu::BoardWindow", "下一步")},
    {Control::StepsCaption, "Label1", QT_TRANSLATE_NOOP("pintu::BoardWindow", "步数"), false},
    {Control::Steps, "Label2", "0", false},
    {Control::ClockCaption, "Label4", QT_TRANSLATE_NOOP("pintu::BoardWindow", "计时(秒)"), false},
    {Control::Clock, "Label5", "", false},
    {Control::Credit, "Label3", "Tavro", false},
}};

// View k is named "Image1_k", number-map label k "Label6_k".
inline constexpr const char* tileViewName = "Image1_%1";
inline constexpr const char* numberMapLabelName = "Label6_%1";

inline constexpr int numberMapSpacing = 240;

std::span<const BoardLayout> boardLayouts();
// The board for difficulty 0 to 3 ("简单" to "天才") of a layout set.
const BoardLayout& boardLayout(LayoutSet set, int difficulty);

} // namespace pintu
