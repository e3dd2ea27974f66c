#include "app/board/NoHintNote.h"

#include "app/board/SideNote.h"
#include "app/text/Messages.h"

#include <QLabel>

namespace pintu {

namespace {

constexpr int shownMilliseconds = 2000;

} // namespace

NoHintNote::NoHintNote(QWidget* window, const std::vector<TileView*>& views)
    : QObject(window), note(newSideNote(window, "noHintNote", messages::text(messages::noHintOnGenius)))
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
