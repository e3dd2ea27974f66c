#include "app/board/PictureLook.h"

#include "app/board/TileView.h"
#include "platform/qt/pictures/QtCellSource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <utility>

namespace pintu {

namespace {

constexpr const char* spokenName = QT_TRANSLATE_NOOP("pintu::PictureLook", "原图");

} // namespace

PictureLook::PictureLook(QWidget* window, const std::vector<TileView*>& views, const QtCellSource& cells)
    : QWidget(window), window(window), views(views), cells(cells)
{
    setObjectName("pictureLook");
    setAccessibleName(tr(spokenName));
    hide();
    // A key let go in another window never reaches this one.
    window->installEventFilter(this);
}

void PictureLook::hold()
{
    if (!untilNextInput)
        showOver();
}

void PictureLook::letGo()
{
    if (!untilNextInput)
        hide();
}

void PictureLook::showUntilNextInput()
{
    untilNextInput = true;
    qApp->installEventFilter(this);
    showOver();
}

void PictureLook::end()
{
    if (std::exchange(untilNextInput, false))
        qApp->removeEventFilter(this);
    hide();
}

void PictureLook::showOver()
{
    setGeometry(tileArea(views));
    raise();
    show();
    update();
}

void PictureLook::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int k = 0; k < static_cast<int>(views.size()); ++k)
        paintTile(painter, views[k]->geometry().translated(-pos()), cells.tile(k));
}

void PictureLook::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

bool PictureLook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::WindowDeactivate && !untilNextInput) {
        hide();
        return false;
    }
    if (!untilNextInput || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != window && !window->isAncestorOf(widget))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as a plain key, so that no shortcut acts on it: it only ends the look.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        end();
        return true;
    default:
        return false;
    }
}

} // namespace pintu
