#pragma once

#include "platform/qt/pictures/decoders/HeifStructure.h"

#include <array>
#include <memory>
#include <mutex>

class QIODevice;

namespace pintu {

// The samples of a decoded picture where they lie: its planes' first rows
// (luma, then the two chroma planes unless it is monochrome), and the bytes
// from one row of each to the next. Samples deeper than 8 bits take two
// bytes each, in the machine's order.
struct Planes {
    QSize size;
    SampleFormat format;
    std::array<const uchar*, 3> rows{};
    std::array<qsizetype, 3> strides{};

    const uchar* row(int plane, int y) const
    {
        const int shift = plane == 0 ? 0 : format.chromaShiftY;
        return rows[static_cast<size_t>(plane)] + static_cast<qsizetype>(y >> shift) * strides[static_cast<size_t>(plane)];
    }
};

// How the bitstream itself says its samples turn into colours, as the
// codecs' and HEIF's colour properties number them.
struct StreamColours {
    int matrix = 2; // unspecified
    bool fullRange = false;
};

// One coded picture decoded whole by its codec's library, held until destroyed.
class CodedPicture {
public:
    virtual ~CodedPicture() = default;
    virtual const Planes& planes() const = 0;
    virtual StreamColours colours() const = 0;
};

// The threads a picture is decoded on, the decoder's own or side by side.
int decodingThreads();

// Nothing when the picture is broken, or tells its decoder to allocate for
// more than `item.codedSize`, or decodes to other than `format`. The file
// is read under `reading`, so that tiles decode side by side; the decoder
// itself takes `threads` threads.
std::unique_ptr<CodedPicture> decodeCodedPicture(QIODevice& file, std::mutex& reading, HeifCodec codec,
                                                 const CodedItem& item, const SampleFormat& format, int threads);

// What a decoder holds while decoding a picture of `pixels` pixels in
// `format` from `codedBytes` bytes, the decoded picture among it.
qint64 decodingBytes(HeifCodec codec, const SampleFormat& format, qint64 pixels, qint64 codedBytes);

} // namespace pintu
