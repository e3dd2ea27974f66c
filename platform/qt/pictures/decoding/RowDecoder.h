#pragma once

#include <QColorSpace>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

namespace pintu {

inline constexpr int rgbaBytes = 4;

// Takes a decoder's rows top to bottom, 8-bit RGBA whose colour is not
// multiplied by its alpha, the pixel of column x at byte 4x.
class RowSink {
public:
    virtual ~RowSink() = default;
    // Row `y` of the picture as decoded; false once no later row is wanted.
    virtual bool take(int y, const uchar* rgba) = 0;
};

// A picture decoded by its format's own library, handed on a row at a time,
// so that no more of it is held than the decoder itself needs.
class RowDecoder {
public:
    virtual ~RowDecoder() = default;

    // The stored pixels' size, before any turn.
    virtual QSize size() const = 0;
    // The colours the pixels are in, when they are not sRGB.
    virtual QColorSpace colourSpace() const { return {}; }

    // The smallest size at least `wanted` that the whole picture decodes at
    // for less work than at its own size: its own size where no such
    // shortcut exists, or where it would save nothing.
    virtual QSize shrunkSize(QSize) const { return size(); }
    // Whether two reads of one picture may go on at once, on two threads.
    virtual bool decodesSideBySide() const { return false; }
    // Decodes the picture at `scaled`, its own size or one shrunkSize gave,
    // and hands the rows of `part` of it to `rows` until they want no more;
    // the columns outside `part` may hold anything. Rows above `part` may
    // still be handed on. False when the picture turns out broken or cut
    // short. Only a decoder that shrinks while decoding is asked for more
    // than one read.
    virtual bool decode(QSize scaled, const QRect& part, RowSink& rows) = 0;
};

} // namespace pintu
