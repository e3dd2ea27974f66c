#include "TileView.h"

#include <QMouseEvent>
#include <QPainter>

namespace pintu {

TileView::TileView(QWidget* parent) : QWidget(parent) {}

void TileView::setPicture(const QPixmap& picture)
{
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

} // namespace pintu
