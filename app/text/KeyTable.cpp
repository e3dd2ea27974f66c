#include "app/text/KeyTable.h"

#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace pintu {

namespace {

const KeyBinding& keyBinding(KeyCommand command)
{
    return *std::ranges::find(keyBindings, command, &KeyBinding::command);
}

} // namespace

QShortcut* addShortcut(QWidget* window, KeyCommand command)
{
    return new QShortcut(QKeySequence(keyBinding(command).keys), window);
}

QKeyCombination keyOf(KeyCommand command)
{
    return keyBinding(command).keys;
}

} // namespace pintu
