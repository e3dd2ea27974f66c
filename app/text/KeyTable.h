#pragma once

#include <QCoreApplication>
#include <QKeySequence>

#include <array>

class QShortcut;
class QWidget;

namespace pintu {

enum class KeyCommand {
    SlideLeft,
    SlideRight,
    SlideUp,
    SlideDown,
    Hint,
    Help,
    OpenPicture,
    Pause,
    PauseKey, // the keyboard's own Pause key, which does what P does
    LookAtPicture,
    Records,
};

// A key of the game, as it is bound and as the help names and explains it.
struct KeyBinding {
    KeyCommand command;
    QKeyCombination keys;
    const char* name;
    const char* meaning; // translated in the context "pintu::KeyTable"
};

// Every key the windows bind, and so every key the help lists: the one place
// where a key is given a meaning.
inline constexpr std::array<KeyBinding, 11> keyBindings{{
    {KeyCommand::SlideLeft, Qt::Key_Left, "←",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格右边的图块向左滑进空格")},
    {KeyCommand::SlideRight, Qt::Key_Right, "→",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格左边的图块向右滑进空格")},
    {KeyCommand::SlideUp, Qt::Key_Up, "↑",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格下面的图块向上滑进空格")},
    {KeyCommand::SlideDown, Qt::Key_Down, "↓",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格上面的图块向下滑进空格")},
    {KeyCommand::Hint, Qt::Key_H, "H",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "提示下一步该动哪一块、最少还需几步（天才级没有提示）；赢了以后：你用的步数和最少的步数")},
    {KeyCommand::Pause, Qt::Key_P, "P",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "暂停：盖住图块，时钟停住；再按一次（或点一下盖板）继续")},
    {KeyCommand::PauseKey, Qt::Key_Pause, "Pause", QT_TRANSLATE_NOOP("pintu::KeyTable", "和 P 一样：暂停或继续")},
    {KeyCommand::LookAtPicture, Qt::Key_V, "V",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "按住时看整张原图，松开回到棋盘；时钟照走")},
    {KeyCommand::Help, Qt::Key_F1, "F1",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "打开这份帮助（每个窗口都可以）")},
    {KeyCommand::OpenPicture, Qt::CTRL | Qt::Key_O, "Ctrl+O",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "在菜单里用文件对话框打开任意图片")},
    {KeyCommand::Records, Qt::Key_F4, "F4",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "打开“拼图成绩”：各难度的胜局、最少步数、最快时间和最近赢的局（菜单和棋盘上都可以）")},
}};

// A shortcut for `command` anywhere in `window`, with the key the table gives it.
QShortcut* addShortcut(QWidget* window, KeyCommand command);
// The key the table gives `command`, for what a shortcut cannot see: its release.
QKeyCombination keyOf(KeyCommand command);

} // namespace pintu
