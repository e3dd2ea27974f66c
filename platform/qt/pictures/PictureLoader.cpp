#include "platform/qt/pictures/PictureLoader.h"

#include "platform/qt/pictures/PictureFile.h"

#include <QImageReader>

#include <array>

namespace pintu {

namespace {

constexpr QSize onePixel(1, 1);
constexpr std::array<const char*, 3> heifSuffixes{"heic", "heif", "avif"};

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

QList<QByteArray> pictureSuffixes()
{
    QList<QByteArray> suffixes = QImageReader::supportedImageFormats();
    suffixes.append(QList<QByteArray>(heifSuffixes.begin(), heifSuffixes.end()));
    return suffixes;
}

} // namespace pintu
