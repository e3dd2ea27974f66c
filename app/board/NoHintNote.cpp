#include "app/board/NoHintNote.h"

#include "app/board/BoardHints.h"
#include "app/board/TileView.h"
#include "app/text/Messages.h"

#include <QLabel>

#include <algorithm>

namespace pintu {

namespace {

constexpr int shownMilliseconds = 2000;
constexpr int gap = 8;

} // namespace

NoHintNote::NoHintNote(QWidget* window, const std::vector<TileView*>& views)
    : QObject(window), note(new QLabel(messages::text(messages::noHintOnGenius), window))
{
    note->setObjectName("noHintNote");
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setStyleSheet(hintTextStyle);
    note->hide();
    placeBesideTiles(*note, *window, views);
    shown.setSingleShot(true);
    shown.setInterval(shownMilliseconds);
    connect(&shown, &QTimer::timeout, note, &QWidget::hide);
}

void placeBesideTiles(QLabel& note, const QWidget& window, const std::vector<TileView*>& views)
{
    note.setWordWrap(false);
    note.setMinimumSize(0, 0);
    note.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    note.adjustSize();
    const QRect tiles = tileArea(views);
    // Right of the tiles where the window has room there; else in the strip
    // below them, right of the controls there, in as many lines as that room takes.
    if (window.width() - tiles.right() > note.width() + 2 * gap) {
        note.move(tiles.right() + gap, tiles.center().y() - note.height() / 2);
        return;
    }
    int left = gap;
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != &note && !control->isHidden() && control->geometry().top() > tiles.bottom())
            left = std::max(left, control->geometry().right() + gap);
    }
    const int room = window.width() - gap - left;
    if (note.width() > room) {
        note.setWordWrap(true);
        note.setFixedSize(room, note.heightForWidth(room));
    }
    note.move(window.width() - gap - note.width(), (tiles.bottom() + window.height() - note.height()) / 2);
}

void NoHintNote::show()
{
    note->raise();
    note->show();
    shown.start();
}

} // namespace pintu
