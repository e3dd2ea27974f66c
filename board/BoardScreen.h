#pragma once

#include <string>

namespace pintu {

// The buttons and status labels of a board screen.
enum class Control {
    Start,        // "开始"
    Exit,         // "退出"
    AutoSolve,    // "自动拼图"
    Restart,      // "重新开始"
    StepBack,     // "上"
    StepForward,  // "下"
    StepsCaption, // "步数"
    Steps,        // the step count
    Credit,       // "Tavro"
    ClockCaption, // "计时(秒)"
    Clock,        // the seconds
};

// What a board's logic draws in its window. Views, number-map labels and
// controls keep whatever they were last given.
class BoardScreen {
public:
    virtual ~BoardScreen() = default;

    // View `cell` shows tile `tile` of the picture, or nothing at all.
    virtual void showTile(int cell, int tile) = 0;
    virtual void showEmpty(int cell) = 0;
    // The tile shown in view `from` moves to the empty view `to`, which leaves `from` empty.
    virtual void slideTile(int from, int to) = 0;
    virtual void setViewEnabled(int cell, bool enabled) = 0;

    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void setCaption(Control control, const std::string& caption) = 0;

    virtual void setMapVisible(int cell, bool visible) = 0;
    virtual void setMapCaption(int cell, const std::string& caption) = 0;

    // Shows the picture at `path` at its own size behind the views; "" shows
    // none. False, with nothing changed, when the file cannot be read.
    virtual bool setBackground(const std::string& path) = 0;

    virtual void setTimerEnabled(bool enabled) = 0;

    // While a game is paused its tiles are covered, so that nobody studies
    // the picture meanwhile.
    virtual void coverTiles(bool covered) = 0;
};

} // namespace pintu
