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

void TileView::paintEvent(QPaintEvent*)
{
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), shown);
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

} // namespace pintu
