#pragma once

#include <QString>

#include <optional>

namespace pintu {

// What a screen reader says of the controls whose caption alone would say
// too little, in the player's language. Rows and columns count from 1, as a
// player counts them.

// A tile view: where it is and the tile it shows, numbered as the number map
// numbers it, or the blank.
QString tileAccessibleName(int row, int column, std::optional<int> tile);

// A label of the number map, showing `caption` for the cell at `row`, `column`.
QString numberMapAccessibleName(int row, int column, const QString& caption);

// A label that shows a value whose caption is a label of its own: "步数：12".
QString valueAccessibleName(const QString& caption, const QString& value);

} // namespace pintu
