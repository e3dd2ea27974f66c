#pragma once

#include "platform/qt/pictures/decoding/RowDecoder.h"

#include <QByteArray>

#include <memory>

class QIODevice;

namespace pintu {

// libjpeg shrinks by eighths in its DCT: the fewest eighths of `stored` that
// still cover `wanted`, and the size a number of eighths gives.
int jpegEighths(QSize stored, QSize wanted);
QSize jpegScaledSize(QSize stored, int eighths);

// "heif" or "avif" for a file of either, which Qt has no reader for; empty for any other.
QByteArray heifFormat(QIODevice& file);

// A decoder of the format's own library for the picture in `picture`, in
// `format` as Qt names it, where that library reads it in less memory or time
// than Qt's reader would: every JPEG, every PNG but an interlaced one, TIFF's
// usual strips of 8 or 16-bit RGB or grey, a still WebP, and every HEIF and
// AVIF. Nothing for the rest, and for a header that proves broken.
std::unique_ptr<RowDecoder> openRowDecoder(const QByteArray& format, QIODevice& picture);

// Whether a picture of `format` that openRowDecoder refuses is broken, where
// Qt's reader has nothing to add.
bool onlyReadInRows(const QByteArray& format);

std::unique_ptr<RowDecoder> openPngRows(QIODevice& picture);
std::unique_ptr<RowDecoder> openTiffRows(QIODevice& picture);
std::unique_ptr<RowDecoder> openWebpRows(QIODevice& picture);
std::unique_ptr<RowDecoder> openJpegRows(QIODevice& picture);
std::unique_ptr<RowDecoder> openHeifRows(QIODevice& picture);

} // namespace pintu
