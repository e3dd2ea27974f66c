#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <libheif/heif.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace pintu {

namespace {


int64_t heifPosition(void* device)
{
    return static_cast<QIODevice*>(device)->pos();
}

int heifRead(void* data, size_t size, void* device)
{
    const auto wanted = static_cast<qint64>(size);
    return static_cast<QIODevice*>(device)->read(static_cast<char*>(data), wanted) == wanted ? 0 : 1;
}

int heifSeek(int64_t position, void* device)
{
    return static_cast<QIODevice*>(device)->seek(position) ? 0 : 1;
}

heif_reader_grow_status heifSizeReached(int64_t size, void* device)
{
    return size <= static_cast<QIODevice*>(device)->size() ? heif_reader_grow_status_size_reached
                                                           : heif_reader_grow_status_size_beyond_eof;
}

constexpr heif_reader deviceReader{1, heifPosition, heifRead, heifSeek, heifSizeReached};

// Primaries of sRGB, which need no conversion, or none given.
bool srgbPrimaries(heif_color_primaries primaries)
{
    return primaries == heif_color_primaries_ITU_R_BT_709_5 || primaries == heif_color_primaries_unspecified;
}

// The colours of an ICC profile, or of primaries other than sRGB's. Photos
// whose transfer is HDR's (PQ, HLG) come as libheif maps them to 8 bits.
QColorSpace colourSpaceOf(const heif_image_handle* handle)
{
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle);
    if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
        QByteArray icc(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(handle)), '\0');
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
            return {};
        return QColorSpace::fromIccProfile(icc);
    }
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok)
        return {};
    QColorSpace colours;
    if (!srgbPrimaries(nclx->color_primaries))
        colours = QColorSpace(QPointF(nclx->color_primary_white_x, nclx->color_primary_white_y),
                              QPointF(nclx->color_primary_red_x, nclx->color_primary_red_y),
                              QPointF(nclx->color_primary_green_x, nclx->color_primary_green_y),
                              QPointF(nclx->color_primary_blue_x, nclx->color_primary_blue_y),
                              QColorSpace::TransferFunction::SRgb);
    heif_nclx_color_profile_free(nclx);
    return colours;
}

template <auto free>
struct Freeing {
    template <typename T>
    void operator()(T* pointer) const
    {
        free(pointer);
    }
};

// A HEIF or AVIF file's primary picture, its boxes read and its codec's
// pictures decoded by libheif, which puts them upright (rotation, mirror and
// clean aperture) and turns them into colours. The picture is decoded once,
// whole, and kept for every read.
class HeifRows final : public RowDecoder {
public:
    explicit HeifRows(QIODevice& device) : device(device) {}

    bool open()
    {
        heif_image_handle* primary = nullptr;
        if (!context || heif_context_read_from_reader(context.get(), &deviceReader, &device, nullptr).code != heif_error_Ok ||
            heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
            return false;
        handle.reset(primary);
        stored = QSize(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
        alpha = heif_image_handle_has_alpha_channel(primary);
        colours = colourSpaceOf(primary);
        return !stored.isEmpty();
    }

    QSize size() const override { return stored; }
    QColorSpace colourSpace() const override { return colours; }

    bool decode(QSize, const QRect& part, RowSink& rows) override
    {
        if (!decoded && !decodeWhole())
            return false;
        int stride = 0;
        const uint8_t* pixels = heif_image_get_plane_readonly(decoded.get(), heif_channel_interleaved, &stride);
        if (!pixels)
            return false;
        std::vector<uchar> row(alpha ? 0 : static_cast<size_t>(stored.width()) * rgbaBytes, 255);
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const uint8_t* line = pixels + qint64{y} * stride;
            if (!alpha) {
                for (int x = part.left(); x <= part.right(); ++x)
                    std::copy_n(line + qint64{x} * 3, 3, &row[static_cast<size_t>(x) * rgbaBytes]);
                line = row.data();
            }
            if (!rows.take(y, line))
                break;
        }
        return true;
    }

private:
    bool decodeWhole()
    {
        heif_image* image = nullptr;
        const heif_chroma chroma = alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
        if (heif_decode_image(handle.get(), &image, heif_colorspace_RGB, chroma, nullptr).code != heif_error_Ok)
            return false;
        decoded.reset(image);
        if (heif_image_get_width(image, heif_channel_interleaved) == stored.width() &&
            heif_image_get_height(image, heif_channel_interleaved) == stored.height() &&
            heif_image_get_bits_per_pixel_range(image, heif_channel_interleaved) == 8)
            return true;
        decoded.reset();
        return false;
    }

    QIODevice& device;
    std::unique_ptr<heif_context, Freeing<heif_context_free>> context{heif_context_alloc()};
    std::unique_ptr<heif_image_handle, Freeing<heif_image_handle_release>> handle;
    std::unique_ptr<heif_image, Freeing<heif_image_release>> decoded;
    QSize stored;
    bool alpha = false;
    QColorSpace colours;
};

} // namespace

std::unique_ptr<RowDecoder> openHeifRows(QIODevice& picture)
{
    auto rows = std::make_unique<HeifRows>(picture);
    if (!rows->open())
        return nullptr;
    return rows;
}

} // namespace pintu
