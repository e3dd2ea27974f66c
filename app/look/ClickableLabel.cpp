#include "app/look/ClickableLabel.h"

#include <QMouseEvent>

namespace pintu {

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace pintu
