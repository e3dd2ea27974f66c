#include "tests/support/WindowControls.h"

#include "app/board/TileView.h"
#include "app/menu/ResolutionWindow.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>

namespace pintu::test {

const BoardLayout& boardOf(Difficulty difficulty, LayoutSet set)
{
    return boardLayout(set, static_cast<int>(difficulty));
}

std::string gridName(const BoardSize& size)
{
    return std::to_string(size.side) + "x" + std::to_string(size.side);
}

std::string displayName(LayoutSet set)
{
    return set == LayoutSet::A ? "640x480" : "800x600";
}

std::string boardName(const BoardLayout& layout)
{
    return gridName(*layout.size) + "_" + displayName(layout.set);
}

const char* controlName(Control control)
{
    const auto found = std::find_if(boardControls.begin(), boardControls.end(),
                                    [control](const BoardControl& design) { return design.control == control; });
    return found == boardControls.end() ? "" : found->objectName;
}

TileView* tileView(const QWidget& board, int cell)
{
    return named<TileView>(board, QString(tileViewName).arg(cell));
}

QLabel* numberMapLabel(const QWidget& board, int cell)
{
    return named<QLabel>(board, QString(numberMapLabelName).arg(cell));
}

QString difficultyOptionName(Difficulty difficulty)
{
    return QString(MenuControlNames::difficulty).arg(static_cast<int>(difficulty));
}

QRadioButton* difficultyOption(const QWidget& menu, Difficulty difficulty)
{
    return named<QRadioButton>(menu, difficultyOptionName(difficulty));
}

QRadioButton* resolutionOption(const QWidget& resolutionWindow, LayoutSet set)
{
    return named<QRadioButton>(resolutionWindow,
                               QString(ResolutionControlNames::choice).arg(set == LayoutSet::A ? 0 : 1));
}

ResolutionWindow& resolutionWindow()
{
    QList<ResolutionWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* resolution = qobject_cast<ResolutionWindow*>(window))
            found << resolution;
    }
    if (found.size() != 1)
        throw std::logic_error(std::to_string(found.size()) + " resolution windows, where one game runs");
    return *found.front();
}

} // namespace pintu::test
