#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

#include <algorithm>
#include <vector>

namespace pintu {

namespace {

constexpr uchar markerPrefix = 0xFF;
constexpr uchar stuffedZero = 0x00;
constexpr uchar temporaryMarker = 0x01;
constexpr uchar startOfImage = 0xD8;
constexpr uchar endOfImage = 0xD9;
constexpr uchar startOfScan = 0xDA;
constexpr int blockSide = 8;
constexpr qint64 coefficientBytesPerBlock = 64 * 2;
// libjpeg's rows of samples between decoding and colour conversion, per
// pixel of width and component, with room to spare.
constexpr qint64 libjpegRowBytesPerColumn = 128;
constexpr int largestSampling = 4;

// Markers that carry no length: restarts inside a scan, the start, and TEM.
constexpr bool standsAlone(uchar marker)
{
    return (marker >= 0xD0 && marker <= 0xD7) || marker == startOfImage || marker == temporaryMarker;
}

// SOF0 to SOF15 but for DHT, JPG and DAC, which share their range.
constexpr bool startsFrame(uchar marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

constexpr bool progressive(uchar marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

struct Sampling {
    int horizontal;
    int vertical;
};

struct Frame {
    QSize size;
    std::vector<Sampling> components;
    bool progressive;
};

std::optional<Frame> readFrame(ByteStream& bytes, uchar marker)
{
    const auto precision = bytes.next();
    const auto height = bytes.bigEndian(2);
    const auto width = bytes.bigEndian(2);
    const auto count = bytes.next();
    if (!precision || !height || !width || !count || *count == 0)
        return std::nullopt;
    Frame frame{QSize(static_cast<int>(*width), static_cast<int>(*height)), {}, progressive(marker)};
    for (int c = 0; c < *count; ++c) {
        const bool identified = bytes.next().has_value();
        const auto factors = bytes.next();
        if (!identified || !factors || !bytes.next())
            return std::nullopt;
        const Sampling sampling{*factors >> 4, *factors & 0x0F};
        if (sampling.horizontal < 1 || sampling.horizontal > largestSampling || sampling.vertical < 1 ||
            sampling.vertical > largestSampling)
            return std::nullopt;
        frame.components.push_back(sampling);
    }
    return frame;
}

qint64 blocksAlong(int pixels, int sampling, int largest)
{
    const qint64 samples = (qint64{pixels} * sampling + largest - 1) / largest;
    const qint64 blocks = (samples + blockSide - 1) / blockSide;
    return (blocks + sampling - 1) / sampling * sampling; // whole rows and columns of MCUs
}

// libjpeg keeps every coefficient of the photo while later scans refine them.
qint64 coefficientBytes(const Frame& frame)
{
    int widest = 1;
    int tallest = 1;
    for (const Sampling& s : frame.components) {
        widest = std::max(widest, s.horizontal);
        tallest = std::max(tallest, s.vertical);
    }
    qint64 bytes = 0;
    for (const Sampling& s : frame.components)
        bytes += blocksAlong(frame.size.width(), s.horizontal, widest) *
                 blocksAlong(frame.size.height(), s.vertical, tallest) * coefficientBytesPerBlock;
    return bytes;
}

} // namespace

std::optional<PictureLayout> readJpegLayout(ByteStream& bytes)
{
    if (bytes.next() != markerPrefix || bytes.next() != startOfImage)
        return std::nullopt;
    std::optional<Frame> frame;
    std::optional<qint64> firstScan;
    bool keepsEveryCoefficient = false;
    // Every marker starts with 0xFF and compressed data never holds a bare
    // 0xFF, so looking for the next 0xFF walks over scans and stray bytes alike.
    while (bytes.skipPast(markerPrefix)) {
        auto marker = bytes.next();
        while (marker == markerPrefix) // fill bytes before a marker
            marker = bytes.next();
        if (!marker)
            return std::nullopt;
        if (*marker == endOfImage) {
            if (!frame || !firstScan)
                return std::nullopt;
            const qint64 rows =
                qint64{frame->size.width()} * static_cast<qint64>(frame->components.size()) * libjpegRowBytesPerColumn;
            // Qt keeps the comments and metadata ahead of the first scan.
            return PictureLayout{frame->size, bytes.offset(),
                                 *firstScan + rows + (keepsEveryCoefficient ? coefficientBytes(*frame) : 0)};
        }
        if (*marker == stuffedZero || standsAlone(*marker))
            continue;
        const auto length = bytes.bigEndian(2);
        if (!length || *length < 2)
            return std::nullopt;
        // Segments skipped by their length may hold anything, the end marker
        // of an embedded thumbnail too.
        const qint64 segmentEnd = bytes.offset() + *length - 2;
        if (startsFrame(*marker) && !frame) {
            frame = readFrame(bytes, *marker);
            if (!frame)
                return std::nullopt;
            bytes.setLimit(byteLimit(frame->size));
        } else if (*marker == startOfScan && frame && !firstScan) {
            firstScan = bytes.offset();
            // A first scan of fewer components than the frame means more
            // scans follow, and libjpeg buffers the whole photo as for a
            // progressive one.
            const auto components = bytes.next();
            if (!components)
                return std::nullopt;
            keepsEveryCoefficient = frame->progressive || *components < std::ssize(frame->components);
        }
        if (!bytes.skip(segmentEnd - bytes.offset()))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace pintu
