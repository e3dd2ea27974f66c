#include "OptionColours.h"

#include "Colours.h"

#include <QApplication>

namespace pintu {

void colourOptions(std::span<QRadioButton* const> options)
{
    const QColor selected = fromBgr(red);
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    for (QRadioButton* option : options) {
        const QColor wanted = option->isChecked() ? selected : normal;
        if (option->palette().color(QPalette::WindowText) != wanted)
            setTextColour(option, wanted);
    }
}

} // namespace pintu
