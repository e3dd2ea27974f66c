#pragma once

#include "app/look/BoardLayouts.h"
#include "app/look/WindowLayouts.h"

#include <QString>
#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QRadioButton;

namespace pintu {
class ResolutionWindow;
class TileView;
}

namespace pintu::test {

// The widgets of the game's windows, found by what they are: a board's
// `Control`, a menu's `MenuControlNames`, and so on. Only the layout tables
// know the object names the widgets carry.

// The menu's difficulties, in the order of its options.
enum class Difficulty { Easy, Normal, Harder, Genius };
inline constexpr std::array<Difficulty, 4> allDifficulties{Difficulty::Easy, Difficulty::Normal, Difficulty::Harder,
                                                           Difficulty::Genius};

// The board window the menu of `set` opens for `difficulty`.
const BoardLayout& boardOf(Difficulty difficulty, LayoutSet set);

// Names for test cases and screenshots: "4x4", "640x480", "4x4_640x480".
std::string gridName(const BoardSize& size);
std::string displayName(LayoutSet set);
std::string boardName(const BoardLayout& layout);

// A control of `window` under a name from the layout tables; nullptr when there is none.
template <typename Widget = QWidget>
Widget* named(const QWidget& window, const QString& name)
{
    return window.findChild<Widget*>(name, Qt::FindDirectChildrenOnly);
}

// A board window's control; nullptr when this board has none.
const char* controlName(Control control);

template <typename Widget = QWidget>
Widget* control(const QWidget& board, Control which)
{
    return named<Widget>(board, controlName(which));
}

TileView* tileView(const QWidget& board, int cell);
QLabel* numberMapLabel(const QWidget& board, int cell);

QString difficultyOptionName(Difficulty difficulty);
QRadioButton* difficultyOption(const QWidget& menu, Difficulty difficulty);
QRadioButton* resolutionOption(const QWidget& resolutionWindow, LayoutSet set);

// The resolution window of the one game that runs, which keeps it to itself.
ResolutionWindow& resolutionWindow();

} // namespace pintu::test
