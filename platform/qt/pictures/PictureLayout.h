#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

class QIODevice;

namespace pintu {

// What a picture file's own header says, read here before any decoder sees
// the file: decoders believe headers, and a few bytes can claim gigabytes of
// pixels or run on for gigabytes.
struct PictureLayout {
    // The stored pixels as the decoder delivers them, before any EXIF turn;
    // empty for the formats whose headers are left to Qt's reader.
    QSize size;
    // The bytes from the file's start that hold the whole picture. A decoder
    // is handed no more, so a file that runs on is read no further.
    qint64 end = 0;
    // What the decoder holds beside the pixels it delivers: a progressive
    // JPEG's coefficients, a GIF's or an animated WebP's canvas, a WebP file
    // read whole, a TIFF's strip.
    qint64 workingBytes = 0;
};

// The layout of the picture in `file`, in `format` as Qt names it ("jpeg",
// "png", ...), read from the file's start. Nothing when the header is broken,
// or when the picture does not end within the bytes a picture of its size
// could take: libjpeg pads a JPEG cut short with grey and Qt's GIF reader
// leaves missing rows blank, both without failing, so a JPEG must reach its
// end marker and a GIF the end of its first frame. Every other decoder fails
// by itself on a file cut short, but for a bitmap short of pixels, which
// loads with the rest blank.
std::optional<PictureLayout> readPictureLayout(QIODevice& file, const QByteArray& format);

} // namespace pintu
