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
        if (option->palette().color(QPalette::WindowText) == wanted)
            continue;
        QPalette colours = option->palette();
        colours.setColor(QPalette::WindowText, wanted);
        option->setPalette(colours);
    }
}

} // namespace pintu
