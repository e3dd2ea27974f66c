#include "PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

namespace pintu {

namespace {

// Qt refuses images over 128 MB by default; a 24-bit photo of 8000 x 6000
// needs 144 MB. A header that claims more than this is not worth believing.
constexpr int allocationLimitMegabytes = 1024;

} // namespace

std::optional<QImage> loadPicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader::setAllocationLimit(allocationLimitMegabytes);
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return std::nullopt;
    return image;
}

} // namespace pintu
