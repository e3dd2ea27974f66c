#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <tiffio.h>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace pintu {

namespace {

// The compressions whose strips libtiff unpacks a row at a time.
constexpr std::array<uint16_t, 5> rowCompressions{COMPRESSION_NONE, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE,
                                                  COMPRESSION_DEFLATE, COMPRESSION_PACKBITS};

QIODevice& deviceOf(thandle_t handle)
{
    return *static_cast<QIODevice*>(handle);
}

tmsize_t readInto(thandle_t device, void* data, tmsize_t size)
{
    return deviceOf(device).read(static_cast<char*>(data), size);
}

tmsize_t writeNothing(thandle_t, void*, tmsize_t)
{
    return -1;
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence)
{
    QIODevice& device = deviceOf(handle);
    const qint64 from = whence == SEEK_CUR ? device.pos() : whence == SEEK_END ? device.size() : 0;
    const qint64 target = from + static_cast<qint64>(offset);
    return device.seek(target) ? static_cast<toff_t>(target) : static_cast<toff_t>(-1);
}

int closeNothing(thandle_t)
{
    return 0;
}

toff_t sizeOf(thandle_t device)
{
    return static_cast<toff_t>(deviceOf(device).size());
}

int silently(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

int channelOf(uint16_t sample, int bits)
{
    return bits == 8 ? sample : (sample + 128) / 257;
}

// A TIFF of strips of 8 or 16-bit RGB or grey, with or without alpha, read a
// row at a time: libtiff holds one strip's compressed bytes and a row.
class TiffRows final : public RowDecoder {
public:
    explicit TiffRows(QIODevice& device)
    {
        TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
        TIFFOpenOptionsSetErrorHandlerExtR(options, silently, nullptr);
        TIFFOpenOptionsSetWarningHandlerExtR(options, silently, nullptr);
        tiff = TIFFClientOpenExt("picture", "rm", &device, readInto, writeNothing, seekTo, closeNothing, sizeOf,
                                 nullptr, nullptr, options);
        TIFFOpenOptionsFree(options);
    }

    ~TiffRows() override
    {
        if (tiff)
            TIFFClose(tiff);
    }

    // False for what Qt's reader reads on its own: tiles, palettes, CMYK,
    // YCbCr, other depths, floats, and rare compressions; and for strips that
    // reach past the file's end, which libtiff would find only row by row.
    bool readHeader(qint64 fileSize)
    {
        uint32_t width = 0;
        uint32_t height = 0;
        uint16_t photometric = 0;
        uint16_t compression = 0;
        uint16_t planes = 0;
        uint16_t format = 0;
        uint16_t extraCount = 0;
        uint16_t* extraTypes = nullptr;
        if (!tiff || TIFFIsTiled(tiff) || !TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) ||
            !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) || !TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric))
            return false;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planes);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
        const bool rgb = photometric == PHOTOMETRIC_RGB;
        inverted = photometric == PHOTOMETRIC_MINISWHITE;
        colours = rgb ? 3 : 1;
        if ((!rgb && !inverted && photometric != PHOTOMETRIC_MINISBLACK) || (bits != 8 && bits != 16) ||
            samples < colours || (planes != PLANARCONFIG_CONTIG && samples > 1) || format != SAMPLEFORMAT_UINT ||
            std::find(rowCompressions.begin(), rowCompressions.end(), compression) == rowCompressions.end() ||
            width > static_cast<uint32_t>(std::numeric_limits<int>::max()) ||
            height > static_cast<uint32_t>(std::numeric_limits<int>::max()))
            return false;
        alpha = samples > colours && extraCount > 0 && extraTypes[0] != EXTRASAMPLE_UNSPECIFIED;
        premultiplied = alpha && extraTypes[0] == EXTRASAMPLE_ASSOCALPHA;
        stored = QSize(static_cast<int>(width), static_cast<int>(height));
        for (uint32_t strip = 0; strip < TIFFNumberOfStrips(tiff); ++strip) {
            const auto bytes = static_cast<qint64>(TIFFGetStrileByteCount(tiff, strip));
            if (static_cast<qint64>(TIFFGetStrileOffset(tiff, strip)) + bytes > fileSize)
                return false;
        }
        return true;
    }

    QSize size() const override { return stored; }

    bool decode(QSize, const QRect&, RowSink& rows) override
    {
        std::vector<uint16_t> stored16(static_cast<size_t>(TIFFScanlineSize64(tiff) + 1) / 2);
        const auto* stored8 = reinterpret_cast<const uint8_t*>(stored16.data());
        std::vector<uchar> rgba(static_cast<size_t>(stored.width()) * 4);
        for (int y = 0; y < stored.height(); ++y) {
            if (TIFFReadScanline(tiff, stored16.data(), static_cast<uint32_t>(y), 0) < 0)
                return false;
            for (int x = 0; x < stored.width(); ++x) {
                const size_t first = static_cast<size_t>(x) * samples;
                const auto sample = [&](int s) {
                    return channelOf(bits == 8 ? stored8[first + s] : stored16[first + s], bits);
                };
                uchar* pixel = &rgba[static_cast<size_t>(x) * 4];
                const int opacity = alpha ? sample(colours) : 255;
                for (int c = 0; c < 3; ++c) {
                    int value = sample(colours == 3 ? c : 0);
                    if (inverted)
                        value = 255 - value;
                    if (premultiplied)
                        value = opacity == 0 ? 0 : std::min(255, value * 255 / opacity);
                    pixel[c] = static_cast<uchar>(value);
                }
                pixel[3] = static_cast<uchar>(opacity);
            }
            if (!rows.take(y, rgba.data()))
                break;
        }
        return true;
    }

private:
    TIFF* tiff = nullptr;
    QSize stored;
    uint16_t bits = 1;
    uint16_t samples = 1;
    int colours = 1;
    bool inverted = false;
    bool alpha = false;
    bool premultiplied = false;
};

} // namespace

std::unique_ptr<RowDecoder> openTiffRows(QIODevice& picture)
{
    auto rows = std::make_unique<TiffRows>(picture);
    if (!rows->readHeader(picture.size()))
        return nullptr;
    return rows;
}

} // namespace pintu
