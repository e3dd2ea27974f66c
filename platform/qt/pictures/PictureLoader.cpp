#include "platform/qt/pictures/PictureLoader.h"

#include "platform/qt/pictures/PictureFile.h"

namespace pintu {

namespace {

constexpr QSize onePixel(1, 1);

} // namespace

std::optional<PictureHeader> probePicture(const std::string& path)
{
    return PictureFile(path).header();
}

std::optional<QImage> readPicturePart(const std::string& path, QSize area)
{
    PictureFile file(path);
    const QRect part = file.uprightRect().intersected(QRect(QPoint(0, 0), area.expandedTo(onePixel)));
    return file.read(part, part.size());
}

std::optional<QImage> readPictureForSize(const std::string& path, QSize size)
{
    PictureFile file(path);
    const QRect whole = file.uprightRect();
    const QSize wanted = file.shrinksWhileDecoding() ? size.expandedTo(onePixel).boundedTo(whole.size()) : whole.size();
    return file.read(whole, wanted);
}

} // namespace pintu
