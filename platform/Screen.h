#pragma once

#include "Pictures.h"

#include <string>

namespace pintu {

// The buttons and status labels of a board screen.
enum class Control {
    Command1, // "开始"
    Command2, // "退出"
    Command3, // "自动拼图"
    Command4, // "重新开始"
    Command5, // "上"
    Command6, // "下"
    Label1,   // "步数"
    Label2,   // the step count
    Label3,   // "Tavro"
    Label4,   // "计时(秒)"
    Label5,   // the seconds
};

// What a board's logic does to its window. Views, number-map labels and
// controls keep whatever they were last given.
class BoardScreen {
public:
    virtual ~BoardScreen() = default;

    virtual void setViewPicture(int cell, PictureHandle picture) = 0;
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

    // Modal boxes: a message with an OK button, and a line of text to type
    // (empty when cancelled).
    virtual void showMessage(const std::string& text) = 0;
    virtual std::string askText(const std::string& prompt, const std::string& title) = 0;

    // Closes and destroys the board window once the current handler returns.
    virtual void unload() = 0;
};

// The menu of the board's layout set, as its boards see it.
class MenuScreen {
public:
    virtual ~MenuScreen() = default;

    // The folder shown by the file list and the file selected in it ("" when none).
    virtual std::string pictureFolder() const = 0;
    virtual std::string pictureFileName() const = 0;

    virtual void show() = 0;
    virtual void setHallOfFameButtonVisible(bool visible) = 0;
};

} // namespace pintu
