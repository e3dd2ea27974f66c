#pragma once

#include "platform/qt/pictures/PictureLayout.h"

namespace pintu {

class ByteStream;

// Metadata a header may carry ahead of the pixels (EXIF, colour profiles,
// comments), and the most a picture's bytes may exceed its pixels' raw size.
inline constexpr qint64 metadataBytes = qint64{64} << 20;

qint64 pixelCount(QSize size);

// The most bytes a picture of `size` can take in any format: raw 16-bit RGBA
// takes 8 a pixel, and no format's compression doubles that.
qint64 byteLimit(QSize size);

// Each reads one format's header from a stream at the file's start, limited
// to `metadataBytes` until the header has told the picture's size.
std::optional<PictureLayout> readJpegLayout(ByteStream& bytes);
std::optional<PictureLayout> readGifLayout(ByteStream& bytes);
std::optional<PictureLayout> readPngLayout(ByteStream& bytes);
std::optional<PictureLayout> readWebpLayout(ByteStream& bytes, qint64 fileSize);
std::optional<PictureLayout> readBitmapLayout(ByteStream& bytes, qint64 fileSize);
// TIFF keeps its directory wherever it likes, so this one seeks about the file.
std::optional<PictureLayout> readTiffLayout(QIODevice& file);

} // namespace pintu
