#include "platform/qt/pictures/decoding/UprightGeometry.h"

#include <QTransform>

namespace pintu {

QSize turnedSize(QSize size, QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? size.transposed() : size;
}

QRect storedRect(const QRect& upright, QSize uprightSize, QImageIOHandler::Transformations transformation)
{
    // Qt mirrors and flips the stored pixels first and turns them a quarter
    // clockwise last, so this undoes the turn first.
    QRect rect = upright;
    QSize size = uprightSize;
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90)) {
        rect = QRect(rect.top(), size.width() - rect.left() - rect.width(), rect.height(), rect.width());
        size.transpose();
    }
    if (transformation.testFlag(QImageIOHandler::TransformationMirror))
        rect.moveLeft(size.width() - rect.left() - rect.width());
    if (transformation.testFlag(QImageIOHandler::TransformationFlip))
        rect.moveTop(size.height() - rect.top() - rect.height());
    return rect;
}

QImage uprightImage(const QImage& stored, QImageIOHandler::Transformations transformation)
{
    const QImage mirrored = stored.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                            transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (!transformation.testFlag(QImageIOHandler::TransformationRotate90))
        return mirrored;
    return mirrored.transformed(QTransform().rotate(90));
}

} // namespace pintu
