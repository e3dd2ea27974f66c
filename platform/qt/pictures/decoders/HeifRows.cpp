#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/decoders/HeifBands.h"
#include "platform/qt/pictures/decoders/RowDecoders.h"
#include "platform/qt/pictures/decoders/RowShrinker.h"
#include "platform/qt/pictures/decoders/SampleColours.h"

#include <QIODevice>

#include <libheif/heif.h>

#include <optional>
#include <vector>

namespace pintu {

namespace {

constexpr qint64 rgbaBytes = 4;

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

// The nclx colour property's matrix and range, where the file gives one;
// the bitstream's own apply otherwise.
std::optional<StreamColours> propertyColours(const heif_image_handle* handle)
{
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok)
        return std::nullopt;
    const StreamColours colours{static_cast<int>(nclx->matrix_coefficients), nclx->full_range_flag != 0};
    heif_nclx_color_profile_free(nclx);
    return colours;
}

// The primary picture of a HEIF or AVIF file, its tiles decoded a row of
// them at a time by the codecs' own libraries and handed on row by row,
// turned upright after shrinking as its properties say.
class HeifRows final : public RowDecoder {
public:
    explicit HeifRows(QIODevice& device) : device(device) {}

    bool readHeader()
    {
        structure = readHeifStructure(device, largestPicturePixels);
        if (!structure)
            return false;
        // libheif reads the colour properties, and nothing of the pixels.
        heif_context* context = heif_context_alloc();
        heif_image_handle* handle = nullptr;
        const bool read = context && device.seek(0) &&
                          heif_context_read_from_reader(context, &deviceReader, &device, nullptr).code == heif_error_Ok &&
                          heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok;
        if (read) {
            colours = colourSpaceOf(handle);
            matrix = propertyColours(handle);
        }
        heif_image_handle_release(handle);
        heif_context_free(context);
        return read;
    }

    QSize size() const override { return structure->shown.size(); }
    QColorSpace colourSpace() const override { return colours; }
    QImageIOHandler::Transformations transformation() const override { return structure->transformation; }

    // The part asked for is decoded at the picture's own size: tiles wholly
    // outside it are never decoded.
    Delivery plan(const QRect& part, QSize) const override { return {size(), part}; }

    qint64 workingBytes(const Delivery& delivery) const override
    {
        return HeifBands::bytes(structure->colour) + (structure->alpha ? HeifBands::bytes(*structure->alpha) : 0) +
               qint64{delivery.crop.width()} * rgbaBytes;
    }

    bool decode(const Delivery& delivery, RowShrinker& rows) override
    {
        const QRect crop = delivery.crop.translated(structure->shown.topLeft());
        const std::pair columns(crop.left(), crop.right());
        HeifBands colour(device, structure->colour, columns);
        std::optional<HeifBands> alpha;
        if (structure->alpha)
            alpha.emplace(device, *structure->alpha, columns);
        std::optional<SampleColours> samples;
        std::vector<uchar> row(static_cast<size_t>(crop.width()) * rgbaBytes);
        for (int y = crop.top(); y <= crop.bottom(); ++y) {
            const HeifBands::Band* band = colour.bandFor(y);
            const HeifBands::Band* opacity = alpha ? alpha->bandFor(y) : nullptr;
            if (!band || (alpha && !opacity))
                return false;
            if (!samples)
                samples.emplace(matrix.value_or(colour.colours()), structure->colour.format);
            samples->convert(band->planes, y - band->top, opacity ? &opacity->planes : nullptr,
                             opacity ? y - opacity->top : 0, crop.left(), crop.width(), row.data());
            if (!rows.take(row.data()))
                break;
        }
        return true;
    }

private:
    QIODevice& device;
    std::optional<HeifStructure> structure;
    QColorSpace colours;
    std::optional<StreamColours> matrix;
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
