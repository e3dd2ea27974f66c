#include "platform/qt/pictures/decoders/HeifBands.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>

namespace pintu {

namespace {

// One tile, which may reach past the picture's edge, is decoded in place.
bool single(const HeifPicture& picture)
{
    return picture.tiles.size() == 1;
}

int bytesPerSample(const SampleFormat& format)
{
    return format.bits > 8 ? 2 : 1;
}

// A plane's extent along one side, subsampled by 2 to the shift, rounded up.
int subsampled(int side, int shift)
{
    return (side + (1 << shift) - 1) >> shift;
}

} // namespace

HeifBands::HeifBands(QIODevice& file, const HeifPicture& picture, std::pair<int, int> columns)
    : file(file), picture(picture), firstColumn(columns.first), lastColumn(columns.second)
{}

qint64 HeifBands::bytes(const HeifPicture& picture)
{
    qint64 mostCoded = 0;
    qint64 mostBytes = 0;
    for (const CodedItem& tile : picture.tiles) {
        mostCoded = std::max(mostCoded, qint64{tile.codedSize.width()} * tile.codedSize.height());
        mostBytes = std::max(mostBytes, tile.bytes());
    }
    const qint64 decoding = decodingBytes(picture.codec, picture.format, mostCoded, mostBytes);
    if (single(picture))
        return decoding;
    return picture.format.planeBytes(qint64{picture.size.width()} * picture.tileSize.height()) +
           decodingThreads() * decoding;
}

const HeifBands::Band* HeifBands::bandFor(int y)
{
    if (!broken && (band.bottom <= y || y < band.top))
        broken = !decodeBand(y / picture.tileSize.height());
    return broken ? nullptr : &band;
}

bool HeifBands::decodeBand(int tileRow)
{
    if (single(picture)) {
        whole = decodeCodedPicture(file, reading, picture.codec, picture.tiles.front(), picture.format,
                                   decodingThreads());
        if (!whole || whole->planes().size.width() < picture.size.width() ||
            whole->planes().size.height() < picture.size.height())
            return false;
        streamColours = whole->colours();
        band = {whole->planes(), 0, picture.size.height()};
        band.planes.size = picture.size;
        return true;
    }
    const SampleFormat& format = picture.format;
    const QSize tile = picture.tileSize;
    const int top = tileRow * tile.height();
    const int height = std::min(tile.height(), picture.size.height() - top);
    const int sampleBytes = bytesPerSample(format);
    band = {{picture.size, format, {}, {}}, top, top + height};
    for (int plane = 0; plane < (format.monochrome ? 1 : 3); ++plane) {
        const int shiftX = plane == 0 ? 0 : format.chromaShiftX;
        const int shiftY = plane == 0 ? 0 : format.chromaShiftY;
        const auto p = static_cast<size_t>(plane);
        band.planes.strides[p] = qsizetype{subsampled(picture.size.width(), shiftX)} * sampleBytes;
        samples[p].resize(static_cast<size_t>(band.planes.strides[p] * subsampled(height, shiftY)));
        band.planes.rows[p] = samples[p].data();
    }
    // Tiles decode side by side, each on one thread, and each lays its
    // samples in its own columns of the band.
    const int first = firstColumn / tile.width();
    const int last = lastColumn / tile.width();
    std::atomic<int> next = first;
    std::atomic<bool> failed = false;
    const auto work = [&] {
        for (int column = next++; column <= last && !failed; column = next++)
            if (!place(tileRow, column, height, column == first))
                failed = true;
    };
    std::vector<std::thread> workers;
    try {
        for (int w = 1; w < std::min(decodingThreads(), last - first + 1); ++w)
            workers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than hoped for decode the same tiles.
    }
    work();
    for (std::thread& worker : workers)
        worker.join();
    return !failed;
}

bool HeifBands::place(int tileRow, int column, int height, bool first)
{
    const SampleFormat& format = picture.format;
    const QSize tile = picture.tileSize;
    const auto index = static_cast<size_t>(tileRow * picture.columns + column);
    const auto decoded = decodeCodedPicture(file, reading, picture.codec, picture.tiles[index], format, 1);
    const int left = column * tile.width();
    const int width = std::min(tile.width(), picture.size.width() - left);
    if (!decoded || decoded->planes().size.width() < width || decoded->planes().size.height() < height)
        return false;
    if (first)
        streamColours = decoded->colours();
    const Planes& from = decoded->planes();
    const int sampleBytes = bytesPerSample(format);
    for (int plane = 0; plane < (format.monochrome ? 1 : 3); ++plane) {
        const int shiftX = plane == 0 ? 0 : format.chromaShiftX;
        const int shiftY = plane == 0 ? 0 : format.chromaShiftY;
        const auto p = static_cast<size_t>(plane);
        const auto rowBytes = static_cast<size_t>(subsampled(width, shiftX) * sampleBytes);
        uchar* to = samples[p].data() + qsizetype{left >> shiftX} * sampleBytes;
        for (int y = 0; y < subsampled(height, shiftY); ++y)
            std::memcpy(to + y * band.planes.strides[p], from.rows[p] + y * from.strides[p], rowBytes);
    }
    return true;
}

} // namespace pintu
