#pragma once

#include <QColorSpace>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

namespace pintu {

class RowShrinker;

// What a decoder delivers for one read: the picture decoded at `scaled`,
// of which the rows and columns of `crop` reach the shrinker.
struct Delivery {
    QSize scaled;
    QRect crop;
};

// A picture decoded by its format's own library, handed on top to bottom a
// row at a time, so that no more of it is held than the decoder itself needs.
class RowDecoder {
public:
    virtual ~RowDecoder() = default;

    // The stored pixels' size, before any turn.
    virtual QSize size() const = 0;
    // The colours the pixels are in, when they are not sRGB.
    virtual QColorSpace colourSpace() const { return {}; }
    // How the stored pixels are put upright, where the format's own boxes
    // say so rather than an EXIF orientation Qt's reader finds.
    virtual QImageIOHandler::Transformations transformation() const { return {}; }

    // What it decodes for `part` of the stored pixels, to be shrunk to
    // `wanted`: the whole picture at its own size unless its library can
    // crop while decoding, or shrink while decoding the whole picture.
    virtual Delivery plan(const QRect& part, QSize wanted) const;
    // The memory decoding takes beside the rows it hands on.
    virtual qint64 workingBytes(const Delivery& delivery) const = 0;
    // Hands the rows of `delivery.crop` to `rows` until it has them all or
    // wants no more; false when the picture turns out broken.
    virtual bool decode(const Delivery& delivery, RowShrinker& rows) = 0;
};

} // namespace pintu
