#include "platform/qt/pictures/decoders/RowDecoders.h"
#include "platform/qt/pictures/decoders/RowShrinker.h"

#include <QIODevice>

#include <webp/decode.h>

namespace pintu {

namespace {

constexpr qint64 rgbaBytes = 4;

// A still WebP, which libwebp decodes from the file held whole: shrunk to the
// size asked for while decoding, or cropped to a part. A lossless picture
// unpacks whole inside libwebp all the same.
class WebpRows final : public RowDecoder {
public:
    WebpRows(QByteArray file, QSize stored, qint64 workingBytes)
        : file(std::move(file)), stored(stored), working(workingBytes)
    {}

    QSize size() const override { return stored; }

    // libwebp crops from an even row and column.
    Delivery plan(const QRect& part, QSize wanted) const override
    {
        const QRect whole(QPoint(0, 0), stored);
        if (part == whole)
            return {wanted, QRect(QPoint(0, 0), wanted)};
        return {stored, QRect(QPoint(part.left() & ~1, part.top() & ~1), part.bottomRight())};
    }

    qint64 workingBytes(const Delivery& delivery) const override
    {
        return working + qint64{delivery.crop.width()} * delivery.crop.height() * rgbaBytes;
    }

    bool decode(const Delivery& delivery, RowShrinker& rows) override
    {
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config))
            return false;
        config.options.use_cropping = delivery.scaled == stored && delivery.crop.size() != stored;
        config.options.crop_left = delivery.crop.left();
        config.options.crop_top = delivery.crop.top();
        config.options.crop_width = delivery.crop.width();
        config.options.crop_height = delivery.crop.height();
        config.options.use_scaling = delivery.scaled != stored;
        config.options.scaled_width = delivery.scaled.width();
        config.options.scaled_height = delivery.scaled.height();
        config.output.colorspace = MODE_RGBA;
        const bool decoded = WebPDecode(reinterpret_cast<const uint8_t*>(file.constData()),
                                        static_cast<size_t>(file.size()), &config) == VP8_STATUS_OK;
        const WebPRGBABuffer& pixels = config.output.u.RGBA;
        const bool whole = decoded && config.output.width == delivery.crop.width() &&
                           config.output.height == delivery.crop.height();
        for (int y = 0; whole && y < config.output.height && rows.take(pixels.rgba + qint64{y} * pixels.stride); ++y) {
        }
        WebPFreeDecBuffer(&config.output);
        return whole;
    }

private:
    QByteArray file;
    QSize stored;
    qint64 working;
};

} // namespace

// An animation is left to Qt's reader, which paints its first frame on the canvas.
std::unique_ptr<RowDecoder> openWebpRows(QIODevice& picture, const PictureLayout& layout)
{
    QByteArray file = picture.read(layout.end);
    WebPBitstreamFeatures features;
    if (file.size() != layout.end ||
        WebPGetFeatures(reinterpret_cast<const uint8_t*>(file.constData()), static_cast<size_t>(file.size()),
                        &features) != VP8_STATUS_OK ||
        features.has_animation)
        return nullptr;
    return std::make_unique<WebpRows>(std::move(file), QSize(features.width, features.height), layout.workingBytes);
}

} // namespace pintu
