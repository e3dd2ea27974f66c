#pragma once

#include <QCoreApplication>
#include <QKeySequence>

#include <array>

class QShortcut;
class QWidget;

namespace pintu {

enum class KeyCommand { SlideLeft, SlideRight, SlideUp, SlideDown, Hint, Help, OpenPicture };

// A key of the game, as it is bound and as the help names and explains it.
struct KeyBinding {
    KeyCommand command;
    QKeyCombination keys;
    const char* name;
    const char* meaning; // translated in the context "pintu::KeyTable"
};

// Every key the windows bind, and so every key the help lists: the one place
// where a key is given a meaning.
inline constexpr std::array<KeyBinding, 7> keyBindings{{
    {KeyCommand::SlideLeft, Qt::Key_Left, "←",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格右边的图块向左滑进空格")},
    {KeyCommand::SlideRight, Qt::Key_Right, "→",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格左边的图块向右滑进空格")},
    {KeyCommand::SlideUp, Qt::Key_Up, "↑",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格下面的图块向上滑进空格")},
    {KeyCommand::SlideDown, Qt::Key_Down, "↓",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "把空格上面的图块向下滑进空格")},
    {KeyCommand::Hint, Qt::Key_H, "H",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "提示下一步该动哪一块、最少还需几步（天才级没有提示）")},
    {KeyCommand::Help, Qt::Key_F1, "F1",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "打开这份帮助（每个窗口都可以）")},
    {KeyCommand::OpenPicture, Qt::CTRL | Qt::Key_O, "Ctrl+O",
     QT_TRANSLATE_NOOP("pintu::KeyTable", "在菜单里用文件对话框打开任意图片")},
}};

// A shortcut for `command` anywhere in `window`, with the key the table gives it.
QShortcut* addShortcut(QWidget* window, KeyCommand command);

} // namespace pintu
