#include "tests/support/TestPictures.h"

#include "platform/qt/NativeFiles.h"
#include "platform/qt/pictures/decoding/DecodePicture.h"
#include "tests/support/HeifGrids.h"

#include <QBuffer>
#include <QFile>

#include <libheif/heif.h>

// jpeglib.h takes FILE from here.
#include <cstdio>

#include <jpeglib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

namespace pintu::test {

QImage positionPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<uchar>(x * 255 / std::max(1, width - 1));
            line[3 * x + 1] = static_cast<uchar>(y * 255 / std::max(1, height - 1));
            line[3 * x + 2] = 96;
        }
    }
    return image;
}

QImage photoLikePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            const int ripple = ((x / 37 + y / 53) % 7) * 6;
            line[x] = qRgb(qBound(0, x * 200 / image.width() + ripple + grain, 255),
                           qBound(0, y * 180 / image.height() + 40 + grain, 255),
                           qBound(0, 160 - ripple + grain * 2, 255));
        }
    }
    return image;
}

QColor cellCentreColour(int k, int N)
{
    const double column = (k % N + 0.5) / N;
    const double row = (k / N + 0.5) / N;
    return QColor(static_cast<int>(column * 255), static_cast<int>(row * 255), 96);
}

bool looksLike(const QColor& seen, const QColor& expected, int tolerance)
{
    return std::abs(seen.red() - expected.red()) <= tolerance && std::abs(seen.green() - expected.green()) <= tolerance &&
           std::abs(seen.blue() - expected.blue()) <= tolerance;
}

std::optional<ReadPicture> readPictureFile(const std::string& path, const PictureNeeds& needs)
{
    QFile file;
    if (!openForReading(file, path))
        return std::nullopt;
    return decodePicture(file, needs);
}

std::optional<QImage> readPreview(const std::string& path, QSize area)
{
    const auto read = readPictureFile(path, PictureNeeds{area, 0, QSize()});
    return read ? std::optional(read->preview) : std::nullopt;
}

std::optional<QImage> loadPicture(const std::string& path)
{
    constexpr int unbounded = std::numeric_limits<int>::max();
    return readPreview(path, QSize(unbounded, unbounded));
}

std::optional<QImage> readWhole(const std::string& path, QSize size)
{
    const auto read = readPictureFile(path, PictureNeeds{QSize(), 1, size});
    return read ? std::optional(read->tiles) : std::nullopt;
}

QImage quarteredPicture(QSize size, const Quarters& quarters)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, quarters[(y < halfHeight ? 0 : 2) + (x < halfWidth ? 0 : 1)]);
    }
    return image;
}

void appendLittleEndian(QByteArray& bytes, quint64 value, int byteCount)
{
    for (int shift = 0; shift < 8 * byteCount; shift += 8)
        bytes.append(static_cast<char>(value >> shift & 0xFF));
}

void appendBigEndian(QByteArray& bytes, quint64 value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        bytes.append(static_cast<char>(value >> shift & 0xFF));
}

namespace {

// LSB-first codes of a fixed width, as GIF's LZW stream packs them.
class CodeWriter {
public:
    void write(int code, int width)
    {
        pending |= static_cast<quint32>(code) << pendingBits;
        pendingBits += width;
        while (pendingBits >= 8) {
            bytes.append(static_cast<char>(pending & 0xFF));
            pending >>= 8;
            pendingBits -= 8;
        }
    }

    QByteArray finish()
    {
        if (pendingBits > 0)
            bytes.append(static_cast<char>(pending & 0xFF));
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 pending = 0;
    int pendingBits = 0;
};

// Qt reads GIF but cannot write it. Every pixel goes out as a literal 9-bit
// code, with a clear code often enough that the code width never grows.
QByteArray gifFile(const QImage& image)
{
    constexpr int clearCode = 256;
    constexpr int endCode = 257;
    constexpr int codeWidth = 9;
    constexpr int literalsPerClear = 100;

    QList<QRgb> palette;
    CodeWriter codes;
    codes.write(clearCode, codeWidth);
    int sinceClear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000u;
            if (!palette.contains(colour))
                palette.append(colour);
            if (palette.size() > 256)
                return {}; // more colours than a GIF holds: no file at all
            if (sinceClear == literalsPerClear) {
                codes.write(clearCode, codeWidth);
                sinceClear = 0;
            }
            codes.write(static_cast<int>(palette.indexOf(colour)), codeWidth);
            ++sinceClear;
        }
    }
    codes.write(endCode, codeWidth);
    const QByteArray data = codes.finish();

    QByteArray gif("GIF89a");
    appendLittleEndian(gif, image.width(), 2);
    appendLittleEndian(gif, image.height(), 2);
    gif.append('\xF7').append('\0').append('\0'); // a global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        gif.append(static_cast<char>(qRed(colour))).append(static_cast<char>(qGreen(colour))).append(static_cast<char>(qBlue(colour)));
    }
    gif.append('\x2C');
    appendLittleEndian(gif, 0, 2);
    appendLittleEndian(gif, 0, 2);
    appendLittleEndian(gif, image.width(), 2);
    appendLittleEndian(gif, image.height(), 2);
    gif.append('\0').append('\x08');
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(static_cast<char>(block.size())).append(block);
    }
    gif.append('\0').append('\x3B');
    return gif;
}

} // namespace

QByteArray pictureFile(const QImage& image, const char* format)
{
    if (qstrcmp(format, "gif") == 0)
        return gifFile(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int quality = qstrcmp(format, "jpeg") == 0 ? 95 : 100; // WebP at 100 is lossless
    image.save(&buffer, format, quality);
    return bytes;
}

namespace {

heif_error appendTo(heif_context*, const void* data, size_t size, void* bytes)
{
    static_cast<QByteArray*>(bytes)->append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    return {heif_error_Ok, heif_suberror_Unspecified, ""};
}

} // namespace

QByteArray heifFile(const QImage& image, const char* format, const HeifWriting& writing)
{
    constexpr uint16_t displayP3Primaries = 12;
    constexpr uint16_t srgbPrimaries = 1;
    constexpr uint16_t srgbTransfer = 13;
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888);
    heif_image* stored = nullptr;
    heif_image_create(pixels.width(), pixels.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGBA, &stored);
    heif_image_add_plane(stored, heif_channel_interleaved, pixels.width(), pixels.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(stored, heif_channel_interleaved, &stride);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(plane + y * stride, pixels.constScanLine(y), static_cast<size_t>(pixels.width()) * 4);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    const bool av1 = qstrcmp(format, "avif") == 0;
    heif_context_get_encoder_for_format(context, av1 ? heif_compression_AV1 : heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, writing.quality);
    if (av1)
        heif_encoder_set_parameter_integer(encoder, "speed", 9);
    else
        heif_encoder_set_parameter_string(encoder, "preset", "ultrafast");
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->save_alpha_channel = image.hasAlphaChannel();
    options->image_orientation = static_cast<heif_orientation>(writing.orientation);
    heif_color_profile_nclx* colours = heif_nclx_color_profile_alloc();
    heif_nclx_color_profile_set_color_primaries(colours, writing.displayP3 ? displayP3Primaries : srgbPrimaries);
    heif_nclx_color_profile_set_transfer_characteristics(colours, srgbTransfer);
    heif_image_set_nclx_color_profile(stored, colours);
    options->output_nclx_profile = colours;
    options->macOS_compatibility_workaround_no_nclx_profile = false;
    heif_context_encode_image(context, stored, encoder, options, nullptr);
    QByteArray bytes;
    heif_writer writer{1, appendTo};
    heif_context_write(context, &writer, &bytes);
    heif_encoding_options_free(options);
    heif_nclx_color_profile_free(colours);
    heif_encoder_release(encoder);
    heif_context_free(context);
    heif_image_release(stored);
    return bytes;
}

QByteArray heicGrid(const QImage& image, QSize tile)
{
    GridParts grid{{}, {}, {}, (image.height() + tile.height() - 1) / tile.height(),
                   (image.width() + tile.width() - 1) / tile.width(), tile, image.size(), 1};
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const QByteArray single =
                heifFile(image.copy(QRect(QPoint(c * tile.width(), r * tile.height()), tile)), "heic", {.quality = 90});
            grid.configuration = boxBody(single, "hvcC");
            grid.cells.push_back(static_cast<int>(grid.coded.size()));
            grid.coded.push_back(boxBody(single, "mdat"));
        }
    }
    return gridFile(grid);
}

QByteArray cmykJpeg(const QImage& image, bool progressive)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &bytes, &length);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.write_Adobe_marker = TRUE;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(image.width()) * 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // No black: the inks stored inverted are the colour's own channels.
            const QRgb colour = image.pixel(x, y);
            JSAMPLE* inks = &row[static_cast<size_t>(x) * 4];
            inks[0] = static_cast<JSAMPLE>(qRed(colour));
            inks[1] = static_cast<JSAMPLE>(qGreen(colour));
            inks[2] = static_cast<JSAMPLE>(qBlue(colour));
            inks[3] = 255;
        }
        JSAMPROW rows = row.data();
        jpeg_write_scanlines(&info, &rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray jpeg(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length));
    std::free(bytes);
    return jpeg;
}

QByteArray gifOnCanvas(const QImage& frame, QSize canvas)
{
    QByteArray screen;
    appendLittleEndian(screen, static_cast<quint64>(canvas.width()), 2);
    appendLittleEndian(screen, static_cast<quint64>(canvas.height()), 2);
    return pictureFile(frame, "gif").replace(6, screen.size(), screen);
}

QByteArray bitmapClaiming(qint32 width, qint32 height, int pixelBytes, int bitsPerPixel)
{
    // Counted as the claim's fields are, in 32 bits that wrap.
    const auto rowBytes = (static_cast<quint32>(width) * static_cast<quint32>(bitsPerPixel / 8) + 3) & ~3u;
    const auto pixelsClaimed = rowBytes * static_cast<quint32>(height);
    QByteArray bitmap("BM");
    for (const quint32 field :
         {54 + pixelsClaimed, 0u, 54u, 40u, static_cast<quint32>(width), static_cast<quint32>(height)})
        appendLittleEndian(bitmap, field, 4);
    appendLittleEndian(bitmap, 1, 2);
    appendLittleEndian(bitmap, static_cast<quint64>(bitsPerPixel), 2);
    for (const quint32 field : {0u, pixelsClaimed, 2835u, 2835u, 0u, 0u})
        appendLittleEndian(bitmap, field, 4);
    return bitmap + QByteArray(pixelBytes, '\x40');
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation)
{
    constexpr quint32 orientationTag = 0x0112;
    constexpr quint32 shortType = 3;
    QByteArray exif("Exif\0\0", 6);
    exif.append("MM");                 // big-endian TIFF header
    appendBigEndian(exif, 42, 2);
    appendBigEndian(exif, 8, 4);       // the first directory follows at once
    appendBigEndian(exif, 1, 2);       // of one entry
    appendBigEndian(exif, orientationTag, 2);
    appendBigEndian(exif, shortType, 2);
    appendBigEndian(exif, 1, 4);
    appendBigEndian(exif, static_cast<quint32>(orientation), 2);
    appendBigEndian(exif, 0, 2);
    appendBigEndian(exif, 0, 4);       // and no further directory
    QByteArray segment("\xFF\xE1", 2);
    appendBigEndian(segment, static_cast<quint32>(exif.size() + 2), 2);
    segment.append(exif);
    QByteArray file = jpeg;
    file.insert(2, segment); // straight after the start-of-image marker
    return file;
}

QByteArray flatJpeg(QSize size, int components, bool progressive, bool complete)
{
    QByteArray jpeg("\xFF\xD8", 2);
    const auto segment = [&jpeg](int marker, const QByteArray& body) {
        jpeg.append('\xFF').append(static_cast<char>(marker));
        appendBigEndian(jpeg, static_cast<quint32>(body.size() + 2), 2);
        jpeg.append(body);
    };
    segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1')); // a quantisation table of ones
    QByteArray frame(1, '\x08');
    appendBigEndian(frame, static_cast<quint32>(size.height()), 2);
    appendBigEndian(frame, static_cast<quint32>(size.width()), 2);
    frame.append(static_cast<char>(components));
    for (int c = 1; c <= components; ++c)
        frame.append(static_cast<char>(c)).append('\x11').append('\0');
    segment(progressive ? 0xC2 : 0xC0, frame);
    // A DC table and an AC table of one code each, the bit 0: no difference,
    // and the end of a block.
    QByteArray codes;
    for (const char tableClass : {'\x00', '\x10'})
        codes.append(tableClass).append('\1').append(QByteArray(15, '\0')).append('\0');
    segment(0xC4, codes);
    QByteArray scan(1, static_cast<char>(components));
    for (int c = 1; c <= components; ++c)
        scan.append(static_cast<char>(c)).append('\0');
    scan.append('\0').append(progressive ? '\0' : '\x3F').append('\0');
    segment(0xDA, scan);
    const qint64 blocks = qint64{(size.width() + 7) / 8} * ((size.height() + 7) / 8) * components;
    const qint64 bits = blocks * (progressive ? 1 : 2);
    jpeg.append(QByteArray(complete ? (bits + 7) / 8 : 16, '\0'));
    jpeg.append("\xFF\xD9", 2);
    return jpeg;
}

namespace {

constexpr int coreHeaderBytes = 12;
constexpr int masksInHeaderBytes = 108;

// One stored row, padded to whole 32-bit words.
QByteArray bitmapRow(const QImage& image, int y, int bits, const QList<QRgb>& palette)
{
    QByteArray row;
    quint32 packed = 0;
    int packedBits = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb colour = image.pixel(x, y);
        if (bits <= 8) {
            packed = packed << bits | static_cast<quint32>(palette.indexOf(colour));
            packedBits += bits;
            if (packedBits == 8) {
                row.append(static_cast<char>(packed));
                packed = 0;
                packedBits = 0;
            }
        } else if (bits == 16) {
            appendLittleEndian(row, (qRed(colour) >> 3) << 11 | (qGreen(colour) >> 2) << 5 | qBlue(colour) >> 3, 2);
        } else {
            row.append(static_cast<char>(qBlue(colour)))
                .append(static_cast<char>(qGreen(colour)))
                .append(static_cast<char>(qRed(colour)));
            if (bits == 32)
                row.append(static_cast<char>(qAlpha(colour)));
        }
    }
    if (packedBits > 0)
        row.append(static_cast<char>(packed << (8 - packedBits)));
    return row + QByteArray(-row.size() & 3, '\0');
}

} // namespace

QByteArray bitmapFile(const QImage& image, const BitmapStorage& storage)
{
    const int bits = storage.bitsPerPixel;
    const bool core = storage.headerBytes == coreHeaderBytes;
    const bool masked = bits == 16 || (bits == 32 && storage.headerBytes >= masksInHeaderBytes);
    QList<QRgb> palette;
    for (int y = 0; bits <= 8 && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!palette.contains(image.pixel(x, y)))
                palette.append(image.pixel(x, y));
        }
    }
    const quint32 red = bits == 16 ? 0xF800 : 0x00FF0000;
    const quint32 green = bits == 16 ? 0x07E0 : 0x0000FF00;
    const quint32 blue = bits == 16 ? 0x001F : 0x000000FF;
    const quint32 alpha = bits == 16 ? 0 : 0xFF000000;

    QByteArray header;
    if (core) {
        for (const int field : {image.width(), image.height(), 1, bits})
            appendLittleEndian(header, static_cast<quint64>(field), 2);
    } else {
        appendLittleEndian(header, static_cast<quint64>(image.width()), 4);
        appendLittleEndian(header, static_cast<quint32>(storage.topDown ? -image.height() : image.height()), 4);
        appendLittleEndian(header, 1, 2);
        appendLittleEndian(header, static_cast<quint64>(bits), 2);
        for (const quint64 field : {masked ? 3 : 0, 0, 2835, 2835, static_cast<int>(palette.size()), 0})
            appendLittleEndian(header, field, 4); // compression, image size, resolution, colours
        // A V4 or V5 header holds all four masks, used or not; masks after
        // a plain header only red, green and blue.
        const bool masksInHeader = storage.headerBytes >= masksInHeaderBytes;
        for (const quint32 mask : {red, green, blue, alpha}) {
            if (masksInHeader || (masked && mask != alpha))
                appendLittleEndian(header, mask, 4);
        }
        if (masksInHeader) {
            header.append("BGRs", 4); // sRGB
            header.append(QByteArray(storage.headerBytes - 4 - header.size(), '\0'));
        }
    }
    for (const QRgb colour : palette) {
        header.append(static_cast<char>(qBlue(colour)))
            .append(static_cast<char>(qGreen(colour)))
            .append(static_cast<char>(qRed(colour)));
        if (!core)
            header.append('\0');
    }
    QByteArray pixels;
    for (int row = 0; row < image.height(); ++row)
        pixels += bitmapRow(image, storage.topDown ? row : image.height() - 1 - row, bits, palette);

    const int pixelsAt = 14 + 4 + static_cast<int>(header.size());
    QByteArray bitmap("BM");
    for (const qint64 field : {pixelsAt + pixels.size(), qint64{0}, qint64{pixelsAt}, qint64{storage.headerBytes}})
        appendLittleEndian(bitmap, static_cast<quint64>(field), 4);
    return bitmap + header + pixels;
}

TestFolder::TestFolder()
{
    dir.setAutoRemove(true);
}

TestFolder::~TestFolder()
{
    // Qt cannot name, so cannot remove, a file whose name is not UTF-8.
    std::error_code ignored;
    std::filesystem::remove_all(path().toStdString(), ignored);
}

QString TestFolder::writeBitmap(const QString& name, const QImage& image) const
{
    const QString path = filePath(name);
    image.save(path, "BMP");
    return path;
}

QString TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString path = filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

std::string TestFolder::writeNamedBytes(const std::string& name, const QByteArray& bytes) const
{
    const std::filesystem::path file = std::filesystem::path(path().toStdString()) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
    return file.native();
}

} // namespace pintu::test
