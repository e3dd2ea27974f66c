#include "app/board/SideNote.h"

#include "app/board/BoardHints.h"
#include "app/board/TileView.h"

#include <QLabel>

#include <algorithm>

namespace pintu {

namespace {

constexpr int gap = 8;

// One line, as long as its text.
void unwrap(QLabel& note)
{
    note.setWordWrap(false);
    note.setMinimumSize(0, 0);
    note.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    note.adjustSize();
}

// Wraps the note into `width` when it is wider; whether it then fits `height` too.
bool fitInto(QLabel& note, int width, int height)
{
    unwrap(note);
    if (note.width() > width) {
        if (width <= 0)
            return false;
        note.setWordWrap(true);
        note.setFixedSize(width, note.heightForWidth(width));
    }
    return note.height() <= height;
}

} // namespace

QLabel* newSideNote(QWidget* window, const char* name, const QString& text)
{
    auto* note = new QLabel(text, window);
    note->setObjectName(name);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setStyleSheet(hintTextStyle);
    note->hide();
    return note;
}

void placeBesideTiles(QLabel& note, const std::vector<TileView*>& views)
{
    const QWidget& window = *note.parentWidget();
    const QRect tiles = tileArea(views);
    unwrap(note);
    if (window.width() - tiles.right() > note.width() + 2 * gap) {
        note.move(tiles.right() + gap, tiles.center().y() - note.height() / 2);
        return;
    }
    // Right of every control below the tiles, those that show later included:
    // notes and marks take no clicks, and make no room for one another.
    int left = gap;
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->testAttribute(Qt::WA_TransparentForMouseEvents) && control->geometry().top() > tiles.bottom())
            left = std::max(left, control->geometry().right() + gap);
    }
    const int strip = window.height() - tiles.bottom() - 1;
    if (fitInto(note, window.width() - gap - left, strip)) {
        note.move(window.width() - gap - note.width(), (tiles.bottom() + window.height() - note.height()) / 2);
        return;
    }
    // No room beside the tiles: over their bottom edge, where clicks go through to them.
    fitInto(note, tiles.width() - 2 * gap, tiles.height());
    note.move(tiles.right() - gap - note.width(), tiles.bottom() - gap - note.height());
}

} // namespace pintu
