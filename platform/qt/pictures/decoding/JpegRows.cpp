#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include <vector>

namespace pintu {

namespace {

// Two blocks of 8 at the most subsampled colours'.
constexpr int contextPixels = 16;
// What two decoders of a progressive photo may hold at once, each its
// coefficients, within what a reader may hold in all.
constexpr qint64 sideBySideBytes = qint64{300} << 20;
constexpr qint64 coefficientBytes = DCTSIZE2 * sizeof(JCOEF);

// libjpeg pads a file that ends early with grey, warning but not failing:
// the warning is noted, and the picture it cut short refused.
struct Errors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool cutShort;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

void noteCutShort(j_common_ptr info, int level)
{
    auto* errors = reinterpret_cast<Errors*>(info->err);
    if (level < 0 && errors->manager.msg_code == JWRN_JPEG_EOF)
        errors->cutShort = true;
}

bool cmyk(J_COLOR_SPACE space)
{
    return space == JCS_CMYK || space == JCS_YCCK;
}

// CMYK as Qt's reader converts it, stored inverted as Adobe's programs write it.
void cmykToRgba(uchar* pixels, int count)
{
    for (uchar* pixel = pixels; pixel < pixels + qint64{count} * rgbaBytes; pixel += rgbaBytes) {
        const int black = pixel[3];
        for (int c = 0; c < 3; ++c)
            pixel[c] = static_cast<uchar>(black * pixel[c] / 255);
        pixel[3] = 255;
    }
}

// One decoding of the file's bytes by libjpeg, its header read.
class Decompression {
public:
    explicit Decompression(const QByteArray& file)
    {
        info.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = jumpBack;
        errors.manager.emit_message = noteCutShort;
        errors.cutShort = false;
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.constData()),
                     static_cast<unsigned long>(file.size()));
    }
    ~Decompression() { jpeg_destroy_decompress(&info); }

    jpeg_decompress_struct info{};
    Errors errors{};
};

// Every JPEG, through libjpeg, from the file held whole: shrunk in its DCT
// and cropped to the columns and rows a part needs. A progressive photo
// spreads every part of the picture over all its scans, so each decoding
// takes in the whole file: the part and the whole are decoded side by side,
// where their coefficients fit, else whole at its own size, once.
class JpegRows final : public RowDecoder {
public:
    explicit JpegRows(QByteArray file) : file(std::move(file)) {}

    bool open()
    {
        Decompression header(file);
        if (setjmp(header.errors.jump))
            return false;
        if (jpeg_read_header(&header.info, TRUE) != JPEG_HEADER_OK || header.errors.cutShort)
            return false;
        stored = QSize(static_cast<int>(header.info.image_width), static_cast<int>(header.info.image_height));
        progressive = jpeg_has_multiple_scans(&header.info);
        for (int c = 0; c < header.info.num_components; ++c) {
            const jpeg_component_info& component = header.info.comp_info[c];
            coefficients += qint64{component.width_in_blocks} * component.height_in_blocks * coefficientBytes;
        }
        return true;
    }

    QSize size() const override { return stored; }

    QSize shrunkSize(QSize wanted) const override
    {
        return progressive && !sideBySide() ? stored : jpegScaledSize(stored, jpegEighths(stored, wanted));
    }

    bool decodesSideBySide() const override { return progressive && sideBySide(); }

    bool decode(QSize scaled, const QRect& part, RowSink& rows) override
    {
        Decompression decompression(file);
        jpeg_decompress_struct& info = decompression.info;
        std::vector<uchar> row(static_cast<size_t>(scaled.width()) * rgbaBytes);
        if (setjmp(decompression.errors.jump))
            return false;
        jpeg_read_header(&info, TRUE);
        int eighths = 8;
        while (eighths > 1 && jpegScaledSize(stored, eighths) != scaled)
            --eighths;
        info.scale_num = static_cast<unsigned>(eighths);
        info.scale_denom = 8;
        info.out_color_space = cmyk(info.jpeg_color_space) ? JCS_CMYK : JCS_EXT_RGBA;
        jpeg_start_decompress(&info);
        if (QSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height)) != scaled)
            return false;
        // Cropped with a margin, where the upsampling of colours finds the
        // samples beside the part, so that the part comes out as it does in
        // the whole picture.
        const QRect context = part.adjusted(-contextPixels, -contextPixels, contextPixels, contextPixels)
                                  .intersected(QRect(QPoint(0, 0), scaled));
        JDIMENSION left = static_cast<JDIMENSION>(context.left());
        JDIMENSION width = static_cast<JDIMENSION>(context.width());
        if (width < info.output_width)
            jpeg_crop_scanline(&info, &left, &width);
        JSAMPROW at = row.data() + qint64{left} * rgbaBytes;
        if (context.top() > 0)
            jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(context.top()));
        bool wanted = true;
        while (wanted && info.output_scanline < info.output_height) {
            const int y = static_cast<int>(info.output_scanline);
            jpeg_read_scanlines(&info, &at, 1);
            if (info.out_color_space == JCS_CMYK)
                cmykToRgba(at, static_cast<int>(width));
            wanted = rows.take(y, row.data());
        }
        return !decompression.errors.cutShort;
    }

private:
    bool sideBySide() const { return 2 * coefficients <= sideBySideBytes; }

    QByteArray file;
    bool progressive = false;
    qint64 coefficients = 0;
    QSize stored;
};

} // namespace

std::unique_ptr<RowDecoder> openJpegRows(QIODevice& picture)
{
    auto rows = std::make_unique<JpegRows>(picture.readAll());
    if (!rows->open())
        return nullptr;
    return rows;
}

} // namespace pintu
