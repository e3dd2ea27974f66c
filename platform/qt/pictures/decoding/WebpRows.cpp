#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <webp/decode.h>

#include <cstring>
#include <vector>

namespace pintu {

namespace {


// A still WebP, which libwebp decodes from the file held whole: shrunk to the
// size asked for while decoding, or cropped to a part, the two side by side.
// A lossless picture unpacks whole inside libwebp all the same, so its two
// decodings take their turns.
class WebpRows final : public RowDecoder {
public:
    WebpRows(QByteArray file, QSize stored, bool lossless)
        : file(std::move(file)), stored(stored), lossless(lossless)
    {}

    QSize size() const override { return stored; }
    QSize shrunkSize(QSize wanted) const override { return wanted.boundedTo(stored); }
    bool decodesSideBySide() const override { return !lossless; }

    bool decode(QSize scaled, const QRect& part, RowSink& rows) override
    {
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config))
            return false;
        // libwebp crops from an even row and column, and shrinks the whole picture.
        const bool cropped = scaled == stored && part.size() != stored;
        const QRect crop = cropped ? QRect(QPoint(part.left() & ~1, part.top() & ~1), part.bottomRight())
                                   : QRect(QPoint(0, 0), scaled);
        config.options.use_cropping = cropped;
        config.options.crop_left = crop.left();
        config.options.crop_top = crop.top();
        config.options.crop_width = crop.width();
        config.options.crop_height = crop.height();
        config.options.use_scaling = scaled != stored;
        config.options.scaled_width = scaled.width();
        config.options.scaled_height = scaled.height();
        config.output.colorspace = MODE_RGBA;
        // A lossy picture's filtering goes on beside its decoding.
        config.options.use_threads = 1;
        const bool decoded = WebPDecode(reinterpret_cast<const uint8_t*>(file.constData()),
                                        static_cast<size_t>(file.size()), &config) == VP8_STATUS_OK;
        const WebPRGBABuffer& pixels = config.output.u.RGBA;
        const bool whole =
            decoded && config.output.width == crop.width() && config.output.height == crop.height();
        // Each row where the rows of the whole picture have its columns.
        std::vector<uchar> row(whole ? static_cast<size_t>(scaled.width()) * rgbaBytes : 0);
        for (int y = 0; whole && y < crop.height(); ++y) {
            std::memcpy(row.data() + qint64{crop.left()} * rgbaBytes, pixels.rgba + qint64{y} * pixels.stride,
                        static_cast<size_t>(crop.width()) * rgbaBytes);
            if (!rows.take(crop.top() + y, row.data()))
                break;
        }
        WebPFreeDecBuffer(&config.output);
        return whole;
    }

private:
    QByteArray file;
    QSize stored;
    bool lossless;
};

} // namespace

// An animation is left to Qt's reader, which paints its first frame on the canvas.
std::unique_ptr<RowDecoder> openWebpRows(QIODevice& picture)
{
    QByteArray file = picture.readAll();
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(file.constData()), static_cast<size_t>(file.size()),
                        &features) != VP8_STATUS_OK ||
        features.has_animation)
        return nullptr;
    constexpr int losslessFormat = 2;
    return std::make_unique<WebpRows>(std::move(file), QSize(features.width, features.height),
                                      features.format == losslessFormat);
}

} // namespace pintu
