#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <libheif/heif.h>

#include <algorithm>
#include <cmath>

namespace pintu {

namespace {

// The file-type box, which heads every HEIF file, with room for its brands.
constexpr qint64 fileTypeBytes = 64;

} // namespace

int jpegEighths(QSize stored, QSize wanted)
{
    const double shrink = std::min(static_cast<double>(stored.width()) / wanted.width(),
                                   static_cast<double>(stored.height()) / wanted.height());
    return std::clamp(static_cast<int>(std::ceil(8 / shrink)), 1, 8);
}

QSize jpegScaledSize(QSize stored, int eighths)
{
    return QSize((stored.width() * eighths + 7) / 8, (stored.height() * eighths + 7) / 8);
}

QByteArray heifFormat(QIODevice& file)
{
    if (!file.seek(0))
        return {};
    const QByteArray start = file.read(fileTypeBytes);
    const auto* bytes = reinterpret_cast<const uint8_t*>(start.constData());
    const int length = static_cast<int>(start.size());
    if (heif_check_filetype(bytes, length) != heif_filetype_yes_supported)
        return {};
    return heif_has_compatible_brand(bytes, length, "avif") == 1 ? "avif" : "heif";
}

std::unique_ptr<RowDecoder> openRowDecoder(const QByteArray& format, QIODevice& picture)
{
    if (!picture.seek(0))
        return nullptr;
    if (format == "png")
        return openPngRows(picture);
    if (format == "tiff")
        return openTiffRows(picture);
    if (format == "jpeg")
        return openJpegRows(picture);
    if (format == "webp")
        return openWebpRows(picture);
    if (format == "heif" || format == "avif")
        return openHeifRows(picture);
    return nullptr;
}

bool onlyReadInRows(const QByteArray& format)
{
    return format == "jpeg" || format == "heif" || format == "avif";
}

} // namespace pintu
