#include "platform/qt/pictures/FormatLayouts.h"
#include "platform/qt/pictures/decoders/RowDecoders.h"
#include "platform/qt/pictures/decoders/RowShrinker.h"

#include <QIODevice>

#include <libheif/heif.h>

#include <algorithm>

namespace pintu {

namespace {

// What libheif holds of each pixel at once, in samples of the stored depth:
// the decoded planes (4:4:4 at most, alpha apart), their copy turned upright,
// and a planar RGB image on the way to 8-bit RGBA.
constexpr qint64 planesHeldAtOnce = 3;
constexpr qint64 rgbaBytes = 4;
constexpr int highestBits = 8;
constexpr int phoneTileSide = 512;

int64_t positionOf(void* device)
{
    return static_cast<QIODevice*>(device)->pos();
}

int readInto(void* data, size_t size, void* device)
{
    const auto wanted = static_cast<qint64>(size);
    return static_cast<QIODevice*>(device)->read(static_cast<char*>(data), wanted) == wanted ? 0 : 1;
}

int seekTo(int64_t position, void* device)
{
    return static_cast<QIODevice*>(device)->seek(position) ? 0 : 1;
}

heif_reader_grow_status sizeReached(int64_t size, void* device)
{
    return size <= static_cast<QIODevice*>(device)->size() ? heif_reader_grow_status_size_reached
                                                           : heif_reader_grow_status_size_beyond_eof;
}

constexpr heif_reader deviceReader{1, positionOf, readInto, seekTo, sizeReached};

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

// The primary picture of a HEIF or AVIF file, decoded whole by libheif and
// turned upright by its own rotation and mirror, then handed on row by row.
class HeifRows final : public RowDecoder {
public:
    explicit HeifRows(QIODevice& device) : device(device), context(heif_context_alloc()) {}

    ~HeifRows() override
    {
        heif_image_handle_release(handle);
        heif_context_free(context);
    }

    bool readHeader()
    {
        if (!context || heif_context_read_from_reader(context, &deviceReader, &device, nullptr).code != heif_error_Ok ||
            heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok)
            return false;
        // The size before any turn is the one every decoded plane takes. A
        // grid of tiles may claim a canvas of its own, and its tiles may reach
        // past the picture's edge: no side of either may be longer than the
        // picture's longest, rounded up to whole tiles of a phone's size.
        const QSize claimed(heif_image_handle_get_ispe_width(handle), heif_image_handle_get_ispe_height(handle));
        if (claimed.isEmpty())
            return false;
        const int longest = std::max(claimed.width(), claimed.height());
        heif_context_set_maximum_image_size_limit(context, (longest + phoneTileSide - 1) / phoneTileSide * phoneTileSide + 1);
        const qint64 sampleBytes = heif_image_handle_get_luma_bits_per_pixel(handle) > highestBits ? 2 : 1;
        const qint64 planes = heif_image_handle_has_alpha_channel(handle) ? 4 : 3;
        decodingBytes = pixelCount(claimed) * (planesHeldAtOnce * planes * sampleBytes + rgbaBytes);
        upright = QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
        colours = colourSpaceOf(handle);
        return !upright.isEmpty();
    }

    QSize size() const override { return upright; }
    QColorSpace colourSpace() const override { return colours; }
    qint64 workingBytes(const Delivery&) const override { return decodingBytes; }

    bool decode(const Delivery&, RowShrinker& rows) override
    {
        heif_decoding_options* options = heif_decoding_options_alloc();
        options->convert_hdr_to_8bit = 1;
        heif_image* image = nullptr;
        const heif_error decoded =
            heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options);
        heif_decoding_options_free(options);
        if (decoded.code != heif_error_Ok)
            return false;
        int stride = 0;
        const uint8_t* pixels = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
        const bool whole = pixels && heif_image_get_primary_width(image) == upright.width() &&
                           heif_image_get_primary_height(image) == upright.height();
        for (int y = 0; whole && y < upright.height() && rows.take(pixels + qint64{y} * stride); ++y) {
        }
        heif_image_release(image);
        return whole;
    }

private:
    QIODevice& device;
    heif_context* context;
    heif_image_handle* handle = nullptr;
    QSize upright;
    QColorSpace colours;
    qint64 decodingBytes = 0;
};

} // namespace

std::unique_ptr<RowDecoder> openHeifRows(QIODevice& picture)
{
    static const bool initialised = heif_init(nullptr).code == heif_error_Ok;
    if (!initialised)
        return nullptr;
    auto rows = std::make_unique<HeifRows>(picture);
    if (!rows->readHeader())
        return nullptr;
    return rows;
}

} // namespace pintu
