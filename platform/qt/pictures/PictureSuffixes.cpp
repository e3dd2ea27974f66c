#include "platform/qt/pictures/PictureSuffixes.h"

#include <QImageReader>

#include <array>

namespace pintu {

namespace {

constexpr std::array<const char*, 3> heifSuffixes{"heic", "heif", "avif"};

} // namespace

QList<QByteArray> pictureSuffixes()
{
    QList<QByteArray> suffixes = QImageReader::supportedImageFormats();
    suffixes.append(QList<QByteArray>(heifSuffixes.begin(), heifSuffixes.end()));
    return suffixes;
}

} // namespace pintu
