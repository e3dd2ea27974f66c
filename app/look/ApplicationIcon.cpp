#include "app/look/ApplicationIcon.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>

namespace pintu {

QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator renderings(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (renderings.hasNext()) {
        // Read as the PNG each is: a reader left to find a file's format
        // loads every picture plugin Qt has, with their decoders, into a game
        // that reads no picture itself.
        QImageReader rendering(renderings.next(), "png");
        rendering.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(rendering.read()));
    }
    return icon;
}

} // namespace pintu
