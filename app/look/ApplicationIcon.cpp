#include "app/look/ApplicationIcon.h"

#include <QDirIterator>

namespace pintu {

QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator renderings(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (renderings.hasNext())
        icon.addFile(renderings.next());
    return icon;
}

} // namespace pintu
