#include "app/board/TileView.h"

#include "app/text/AccessibleNames.h"

#include <QMouseEvent>
#include <QPainter>

namespace pintu {

TileView::TileView(QWidget* parent, int row, int column) : QWidget(parent), row(row), column(column)
{
    setAccessibleName(tileAccessibleName(row + 1, column + 1, std::nullopt));
}

void TileView::setTile(const QPixmap& picture, std::optional<int> tile)
{
    if (tile != shownTile) {
        shownTile = tile;
        setAccessibleName(tileAccessibleName(row + 1, column + 1, tile));
    }
    if (picture.cacheKey() == shown.cacheKey())
        return;
    shown = picture;
    update();
}

void TileView::setConcealed(bool conceal)
{
    if (conceal == concealed)
        return;
    concealed = conceal;
    update();
}

void TileView::paintEvent(QPaintEvent*)
{
    if (shown.isNull() || concealed)
        return;
    QPainter painter(this);
    paintTile(painter, rect(), shown);
}

void TileView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void TileView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void paintTile(QPainter& painter, const QRect& target, const QPixmap& picture)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture);
}

QRect tileArea(const std::vector<TileView*>& views)
{
    QRect area;
    for (const TileView* view : views)
        area |= view->geometry();
    return area;
}

} // namespace pintu
