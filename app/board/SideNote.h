#pragma once

#include <QString>

#include <vector>

class QLabel;
class QWidget;

namespace pintu {

class TileView;

// A note beside a board's tiles, as the hints and their lack look: hidden
// until shown, and clicks go through it.
QLabel* newSideNote(QWidget* window, const char* name, const QString& text = QString());

// Sizes the note to its text and puts it right of the tiles where the window
// has room there; else in the strip below them, right of the controls there,
// in as many lines as that room takes; else over the tiles' bottom edge.
void placeBesideTiles(QLabel& note, const std::vector<TileView*>& views);

} // namespace pintu
