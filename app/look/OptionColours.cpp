#include "app/look/OptionColours.h"

#include "app/look/Colours.h"

#include <QApplication>

namespace pintu {

namespace {

void showWhetherSelected(QRadioButton* option)
{
    const QColor wanted =
        option->isChecked() ? fromBgr(red) : QApplication::palette().color(QPalette::ButtonText);
    if (option->palette().color(QPalette::WindowText) != wanted)
        setTextColour(option, wanted);
}

} // namespace

void markSelection(std::span<QRadioButton* const> options)
{
    for (QRadioButton* option : options) {
        showWhetherSelected(option);
        QObject::connect(option, &QRadioButton::toggled, option, [option] { showWhetherSelected(option); });
    }
}

} // namespace pintu
