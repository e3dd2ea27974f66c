#include "NoHintNote.h"

#include "BoardHints.h"
#include "KeyTable.h"
#include "Messages.h"
#include "TileView.h"

#include <QLabel>
#include <QShortcut>

namespace pintu {

namespace {

constexpr int shownMilliseconds = 2000;
constexpr int gap = 8;

} // namespace

NoHintNote::NoHintNote(QWidget* window, const std::vector<TileView*>& views)
    : QObject(window), window(window), views(views), note(new QLabel(messages::text(messages::noHintOnGenius), window))
{
    note->setObjectName("noHintNote");
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setStyleSheet(hintTextStyle);
    note->adjustSize();
    note->hide();
    shown.setSingleShot(true);
    shown.setInterval(shownMilliseconds);
    connect(&shown, &QTimer::timeout, note, &QWidget::hide);
    QShortcut* key = addShortcut(window, KeyCommand::Hint);
    key->setAutoRepeat(false);
    connect(key, &QShortcut::activated, this, &NoHintNote::show);
}

void NoHintNote::show()
{
    QRect tiles;
    for (const TileView* view : views)
        tiles |= view->geometry();
    // Right of the tiles where the window has room there, else below them at the right edge.
    const QSize size = note->size();
    if (window->width() - tiles.right() > size.width() + 2 * gap)
        note->move(tiles.right() + gap, tiles.center().y() - size.height() / 2);
    else
        note->move(window->width() - gap - size.width(),
                   (tiles.bottom() + window->height() - size.height()) / 2);
    note->raise();
    note->show();
    shown.start();
}

} // namespace pintu
