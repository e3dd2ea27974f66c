#include "app/board/NoHintNote.h"

#include "app/board/SideNote.h"

#include <QLabel>

namespace pintu {

namespace {

constexpr int shownMilliseconds = 2000;

} // namespace

NoHintNote::NoHintNote(QWidget* window, const std::vector<TileView*>& views, const QString& words)
    : QObject(window), note(newSideNote(window, "noHintNote", words))
{
    placeBesideTiles(*note, views);
    shown.setSingleShot(true);
    shown.setInterval(shownMilliseconds);
    connect(&shown, &QTimer::timeout, note, &QWidget::hide);
}

void NoHintNote::show()
{
    note->raise();
    note->show();
    shown.start();
}

} // namespace pintu
