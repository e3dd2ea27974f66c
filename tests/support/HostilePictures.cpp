#include "tests/support/HostilePictures.h"

#include "platform/qt/pictures/PictureNeeds.h"
#include "tests/support/HeifGrids.h"
#include "tests/support/TestPictures.h"

#include <cmath>

#include <zlib.h>

namespace pintu::test {

namespace {

constexpr int widestWebp = 16383;
constexpr int widestJpeg = 65535;
constexpr QSize gigapixelSquare(16384, 16384);
// The memory the game once gave a read of a picture: claims just over it
// once slipped past a cost counted wrong.
constexpr double formerReadBytes = 320 << 20;

// The side of a square picture whose `bytesPerPixel` a pixel just exceed 320 MB.
int sideOver(int bytesPerPixel)
{
    return static_cast<int>(std::sqrt(formerReadBytes / bytesPerPixel)) + 64;
}

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    appendBigEndian(chunk, static_cast<quint64>(data.size()), 4);
    const QByteArray typed = type + data;
    chunk.append(typed);
    appendBigEndian(chunk, ::crc32_z(0, reinterpret_cast<const Bytef*>(typed.constData()), typed.size()), 4);
    return chunk;
}

// Pixels all zero, every row of them or only the first, in rows top to
// bottom or interlaced.
QByteArray zeroPng(QSize size, int bitDepth, int colourType, int channels, bool complete, bool interlaced = false)
{
    QByteArray header;
    appendBigEndian(header, static_cast<quint64>(size.width()), 4);
    appendBigEndian(header, static_cast<quint64>(size.height()), 4);
    header.append(static_cast<char>(bitDepth)).append(static_cast<char>(colourType)).append(QByteArray(2, '\0'));
    header.append(static_cast<char>(interlaced));
    const qint64 rowBytes = 1 + (qint64{size.width()} * channels * bitDepth + 7) / 8;
    const QByteArray rows(complete ? rowBytes * size.height() : rowBytes, '\0');
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", qCompress(rows).mid(4)) +
           pngChunk("IEND", {});
}

QByteArray webpChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(type);
    appendLittleEndian(chunk, static_cast<quint64>(data.size()), 4);
    return chunk + data + QByteArray(data.size() % 2, '\0');
}

QByteArray riff(const QByteArray& chunks)
{
    QByteArray file("RIFF");
    appendLittleEndian(file, static_cast<quint64>(chunks.size() + 4), 4);
    return file + "WEBP" + chunks;
}

QByteArray losslessBitstream(QSize size)
{
    QByteArray stream(1, '\x2F');
    appendLittleEndian(stream, static_cast<quint64>(size.width() - 1) | static_cast<quint64>(size.height() - 1) << 14,
                       4);
    return stream + QByteArray(3, '\0');
}

QByteArray lossyBitstream(QSize size)
{
    QByteArray stream("\x10\x00\x00\x9D\x01\x2A", 6); // a key frame, shown, and the start code
    appendLittleEndian(stream, static_cast<quint64>(size.width()), 2);
    appendLittleEndian(stream, static_cast<quint64>(size.height()), 2);
    return stream + QByteArray(8, '\0');
}

QByteArray losslessWebp(QSize size)
{
    return riff(webpChunk("VP8L", losslessBitstream(size)));
}

// A canvas of `canvas` under an animation whose first frame is one pixel.
QByteArray webpAnimation(QSize canvas)
{
    QByteArray extended("\x02\0\0\0", 4);
    appendLittleEndian(extended, static_cast<quint64>(canvas.width() - 1), 3);
    appendLittleEndian(extended, static_cast<quint64>(canvas.height() - 1), 3);
    const QByteArray frame = QByteArray(16, '\0') + webpChunk("VP8L", losslessBitstream(QSize(1, 1)));
    return riff(webpChunk("VP8X", extended) + webpChunk("ANIM", QByteArray(6, '\0')) + webpChunk("ANMF", frame));
}

// An uncompressed TIFF of one strip, holding a few of the bytes it claims:
// refused before libtiff reads a row, its strip reaching past the file's end.
QByteArray tiffHeader(QSize size, int bitsPerSample, int samples)
{
    struct Entry {
        quint16 tag;
        quint16 type; // 3: 16 bits, 4: 32 bits
        quint32 value;
    };
    constexpr quint32 directoryAt = 8;
    const quint32 count = 10;
    const quint32 samplesAt = directoryAt + 2 + count * 12 + 4;
    const quint32 pixelsAt = samplesAt + 2 * samples;
    const quint64 stripBytes = qint64{size.width()} * size.height() * samples * bitsPerSample / 8;
    const Entry entries[] = {
        {256, 4, static_cast<quint32>(size.width())},
        {257, 4, static_cast<quint32>(size.height())},
        {258, 3, samples == 1 ? static_cast<quint32>(bitsPerSample) : samplesAt},
        {259, 3, 1}, // no compression
        {262, 3, samples == 1 ? 1u : 2u}, // grey or RGB
        {273, 4, pixelsAt},
        {277, 3, static_cast<quint32>(samples)},
        {278, 4, static_cast<quint32>(size.height())},
        {279, 4, static_cast<quint32>(std::min<quint64>(stripBytes, 0xFFFFFFFF))},
        {284, 3, 1}, // samples side by side
    };
    QByteArray tiff("II*\0", 4);
    appendLittleEndian(tiff, directoryAt, 4);
    appendLittleEndian(tiff, count, 2);
    for (const Entry& entry : entries) {
        appendLittleEndian(tiff, entry.tag, 2);
        appendLittleEndian(tiff, entry.type, 2);
        appendLittleEndian(tiff, entry.tag == 258 ? static_cast<quint64>(samples) : 1, 4);
        appendLittleEndian(tiff, entry.value, 4);
    }
    appendLittleEndian(tiff, 0, 4); // no further directory
    for (int s = 0; s < samples; ++s)
        appendLittleEndian(tiff, static_cast<quint64>(bitsPerSample), 2);
    return tiff + QByteArray(64, '\0');
}

constexpr int everyOne = -1;

// `heif` with the big-endian number of `byteCount` bytes at `skip` bytes
// into the body of the `box` of index `which` (or of each) replaced by `value`.
QByteArray rewritten(QByteArray heif, const char* box, int skip, int byteCount, quint64 value, int which = everyOne)
{
    QByteArray number;
    appendBigEndian(number, value, byteCount);
    int index = 0;
    for (qsizetype at = heif.indexOf(box); at >= 0; at = heif.indexOf(box, at + 1), ++index)
        if (which == everyOne || which == index)
            heif.replace(at + 4 + skip, byteCount, number);
    return heif;
}

QByteArray renamed(QByteArray heif, const char* from, const char* to, int which)
{
    qsizetype at = heif.indexOf(from);
    for (int index = 0; index < which; ++index)
        at = heif.indexOf(from, at + 1);
    return heif.replace(at, 4, to);
}

// A phone's photo of 150 x 100 pixels: a grid of 3 x 2 tiles of 64 pixels,
// which reach past its right and bottom edges.
QByteArray phoneGrid()
{
    return heicGrid(positionPicture(150, 100), QSize(64, 64));
}

constexpr int gridRowsByte = 2;
constexpr int gridWidthAt = 4;
constexpr int firstTileLengthAt = 20; // in the locations written by heicGrid
constexpr int pictureExtent = 1; // the second ispe: the tiles' comes first

QByteArray withBoxesAhead(const QByteArray& heif, int count)
{
    const qsizetype afterFileType = 24; // as heicGrid writes it
    QByteArray empty;
    appendBigEndian(empty, 8, 4);
    return heif.left(afterFileType) + (empty + "free").repeated(count) + heif.mid(afterFileType);
}

QByteArray withMetadataOf(const QByteArray& heif, qint64 bytes)
{
    return rewritten(heif, "meta", -8, 4, static_cast<quint64>(bytes)) + QByteArray(bytes, '\0');
}

// `heif` whose every picture, the primary one and the tiles of its grid,
// claims `size` in its properties.
QByteArray claiming(const QByteArray& heif, QSize size)
{
    constexpr int afterVersionAndFlags = 4;
    const QByteArray wide = rewritten(heif, "ispe", afterVersionAndFlags, 4, static_cast<quint64>(size.width()));
    return rewritten(wide, "ispe", afterVersionAndFlags + 4, 4, static_cast<quint64>(size.height()));
}

// A small photo whose grid of one tile claims to lay it on a canvas of `canvas`.
QByteArray gridClaiming(QSize canvas)
{
    constexpr int afterVersionFlagsRowsAndColumns = 4;
    const QByteArray heic = heifFile(positionPicture(64, 48), "heic");
    const QByteArray wide =
        rewritten(heic, "idat", afterVersionFlagsRowsAndColumns, 2, static_cast<quint64>(canvas.width()));
    return rewritten(wide, "idat", afterVersionFlagsRowsAndColumns + 2, 2, static_cast<quint64>(canvas.height()));
}

} // namespace

std::vector<HostilePicture> hostilePictures()
{
    const QSize gigapixelWebp(widestWebp, widestWebp);
    const auto square = [](int side) { return QSize(side, side); };
    // 16 bits a channel: 8 bytes a pixel, twice the 32-bit pixels most
    // decoders give, where a picture is decoded whole: an interlaced PNG, whose
    // rows come in passes over the whole picture.
    const int deepSide = sideOver(8);
    // Lossless WebP unpacks into 32-bit pixels inside libwebp, whatever size
    // it is read at.
    const int losslessSide = sideOver(4);
    // A progressive JPEG keeps two bytes a coefficient, one coefficient a
    // pixel of each of its three components.
    const int progressiveSide = sideOver(6);
    // Qt's reader decoded a strip of 3 bytes a pixel beside the 4-byte
    // picture, and its compressed bytes as much again.
    const int stripSide = sideOver(10);
    const QSize mostPixelsInOneBit(gigapixelSquare.width(),
                                   static_cast<int>(largestPicturePixels / gigapixelSquare.width()));
    const QSize affordable(3000, 2000);
    const auto sized = [](const char* kind, QSize size) {
        return QString("%1-%2x%3").arg(kind).arg(size.width()).arg(size.height()).toStdString();
    };
    return {
        {"jpeg-progressive-cmyk-16384x16384", "jpg", [=] { return flatJpeg(gigapixelSquare, 4, true, false); }, false},
        {sized("jpeg-progressive", square(progressiveSide)), "jpg",
         [=] { return flatJpeg(square(progressiveSide), 3, true, false); }, true},
        {"jpeg-65535x65535", "jpg", [=] { return flatJpeg(square(widestJpeg), 3, false, false); }, false},
        {sized("jpeg-progressive", affordable), "jpg", [=] { return flatJpeg(affordable, 3, true); }, true},
        {"png-1-bit-16384x16384", "png", [=] { return zeroPng(gigapixelSquare, 1, 0, 1, true); }, false},
        {"png-1-bit-of-the-most-pixels", "png", [=] { return zeroPng(mostPixelsInOneBit, 1, 0, 1, true); }, true},
        {sized("png-16-bit-interlaced", square(deepSide)), "png",
         [=] { return zeroPng(square(deepSide), 16, 6, 4, false, true); }, false},
        {"png-16383x16383", "png", [=] { return zeroPng(gigapixelWebp, 8, 6, 4, false); }, false},
        {"gif-canvas-16383x16383", "gif", [=] { return gifOnCanvas(positionPicture(1, 1), gigapixelWebp); }, false},
        {sized("gif-canvas", affordable), "gif", [=] { return gifOnCanvas(positionPicture(1, 1), affordable); }, true},
        {"webp-lossless-16383x16383", "webp", [=] { return losslessWebp(gigapixelWebp); }, false},
        {sized("webp-lossless", square(losslessSide)), "webp", [=] { return losslessWebp(square(losslessSide)); },
         false},
        {"webp-lossy-16383x16383", "webp", [=] { return riff(webpChunk("VP8 ", lossyBitstream(gigapixelWebp))); },
         false},
        {"webp-animation-canvas-16383x16383", "webp", [=] { return webpAnimation(gigapixelWebp); }, false},
        {"bmp-16383x16383", "bmp", [=] { return bitmapClaiming(widestWebp, widestWebp, 64, 32); }, false},
        {"bmp-top-down-16383x16383", "bmp", [=] { return bitmapClaiming(widestWebp, -widestWebp, 64); }, false},
        {"tiff-16384x16384", "tif", [=] { return tiffHeader(gigapixelSquare, 8, 3); }, false},
        {sized("tiff-one-strip", square(stripSide)), "tif", [=] { return tiffHeader(square(stripSide), 8, 3); },
         false},
        {sized("tiff-16-bit", square(deepSide)), "tif", [=] { return tiffHeader(square(deepSide), 16, 3); }, false},
        {"heic-16384x16384", "heic",
         [=] { return claiming(heifFile(positionPicture(64, 48), "heic"), gigapixelSquare); }, false},
        {"heic-grid-16384x16384-of-a-small-picture", "heic", [=] { return gridClaiming(gigapixelSquare); }, false},
        {"heic-coded-larger-than-it-claims", "heic",
         [=] { return claiming(heifFile(positionPicture(256, 256), "heic"), square(64)); }, false},
        {"avif-coded-larger-than-it-claims", "avif",
         [=] { return claiming(heifFile(positionPicture(256, 256), "avif"), square(64)); }, false},
        {"heic-cut-short", "heic", [=] { return heifFile(positionPicture(64, 48), "heic").chopped(64); }, false},
        {"heic-grid-missing-a-tile", "heic", [] { return rewritten(phoneGrid(), "idat", gridRowsByte, 1, 2); }, false},
        {"heic-grid-its-tiles-fall-short-of", "heic",
         [] {
             const QByteArray wider = rewritten(phoneGrid(), "idat", gridWidthAt, 2, 300);
             return rewritten(wider, "ispe", 4, 4, 300, pictureExtent);
         },
         true},
        {"heic-grid-with-a-column-to-spare", "heic", [] { return rewritten(phoneGrid(), "idat", gridWidthAt, 2, 100); },
         false},
        {"heic-tile-past-the-end-of-its-file", "heic",
         [] { return rewritten(phoneGrid(), "iloc", firstTileLengthAt, 4, 0x7FFFFFFF); }, false},
        {"heic-primary-picture-not-there", "heic", [] { return rewritten(phoneGrid(), "pitm", 4, 2, 99); }, false},
        {"heic-grid-of-grids", "heic", [] { return renamed(phoneGrid(), "hvc1", "grid", 0); }, false},
        {"heic-overlay-of-tiles", "heic", [] { return renamed(phoneGrid(), "grid", "iovl", 0); }, false},
        {"heic-protected-tiles", "heic", [] { return rewritten(phoneGrid(), "infe", 6, 2, 1); }, true},
        {"heic-not-a-picture", "heic", [] { return renamed(phoneGrid(), "pict", "vide", 0); }, false},
        {"heic-thousands-of-boxes-before-its-metadata", "heic", [] { return withBoxesAhead(phoneGrid(), 5000); },
         false},
        {"heic-17-mb-of-metadata", "heic", [] { return withMetadataOf(phoneGrid(), qint64{17} << 20); }, false},
        {"heic-grid-larger-than-a-board", "heic",
         [] { return heicGrid(positionPicture(400, 330), QSize(128, 128)); }, true},
        {"heic-metadata-past-its-end", "heic",
         [=] { return rewritten(heifFile(positionPicture(64, 48), "heic"), "meta", -8, 4, 0x7FFFFFF0); }, false},
        {"heic-grid-naming-one-tile-65280-times", "heic",
         [] { return heicGridOfOneTile(positionPicture(16, 16), 255, 256); }, false},
        {"heic-grid-naming-one-tile-of-1024-extents-65280-times", "heic",
         [] { return heicGridOfOneTile(positionPicture(64, 64), 255, 256, {.extents = 1024}); }, false},
        {"heic-coded-unit-of-60-mb", "heic",
         [] { return heicGridOfOneTile(positionPicture(64, 48), 1, 1, {.filler = qint64{60} << 20}); }, true},
        {"heic-10-bit-luma-8-bit-chroma", "heic",
         [] { return heicGridOfOneTile(positionPicture(64, 48), 1, 1, {.lumaBits = 10}); }, false},
        {"ppm-16384x16384", "ppm", [] { return QByteArray("P6\n16384 16384\n255\n") + QByteArray(64, '\0'); }, false},
    };
}

} // namespace pintu::test
