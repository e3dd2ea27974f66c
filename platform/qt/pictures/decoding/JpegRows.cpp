#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <array>
#include <vector>

namespace pintu {

namespace {

constexpr size_t chunkBytes = 64 * 1024;
// Two blocks of 8 at the most subsampled colours'.
constexpr int contextPixels = 16;
constexpr JOCTET endMarker[] = {0xFF, JPEG_EOI};

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void noMessage(j_common_ptr, int) {}

// The file's bytes a chunk at a time. libjpeg pads a file that ends early
// with grey, warning but not failing, so the end of the file is noted here:
// the picture it cut short is refused.
struct DeviceSource {
    jpeg_source_mgr manager;
    QIODevice* device;
    bool cutShort;
    std::array<JOCTET, chunkBytes> chunk;
};

void startSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillSource(j_decompress_ptr info)
{
    auto& source = *reinterpret_cast<DeviceSource*>(info->src);
    const qint64 read = source.device->read(reinterpret_cast<char*>(source.chunk.data()), chunkBytes);
    source.cutShort = source.cutShort || read <= 0;
    source.manager.next_input_byte = read > 0 ? source.chunk.data() : endMarker;
    source.manager.bytes_in_buffer = read > 0 ? static_cast<size_t>(read) : sizeof endMarker;
    return TRUE;
}

void skipSource(j_decompress_ptr info, long count)
{
    auto& source = *reinterpret_cast<DeviceSource*>(info->src);
    while (count > static_cast<long>(source.manager.bytes_in_buffer)) {
        count -= static_cast<long>(source.manager.bytes_in_buffer);
        fillSource(info);
    }
    source.manager.next_input_byte += count;
    source.manager.bytes_in_buffer -= static_cast<size_t>(count);
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

// Every JPEG, through libjpeg: shrunk in its DCT where it is stored in one
// scan, cropped to the columns and rows a part needs. A progressive photo
// spreads every part of the picture over all its scans, so it is decoded
// whole at its own size, once, whatever is asked of it.
class JpegRows final : public RowDecoder {
public:
    explicit JpegRows(QIODevice& device) : device(device)
    {
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = jumpBack;
        error.manager.emit_message = noMessage;
        source.device = &device;
        source.manager = {nullptr, 0, startSource, fillSource, skipSource, jpeg_resync_to_restart, termSource};
    }

    ~JpegRows() override
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }

    bool open()
    {
        if (setjmp(error.jump))
            return false;
        jpeg_create_decompress(&info);
        created = true;
        info.src = &source.manager;
        if (!readHeader())
            return false;
        stored = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
        progressive = jpeg_has_multiple_scans(&info);
        return true;
    }

    QSize size() const override { return stored; }

    QSize shrunkSize(QSize wanted) const override
    {
        return progressive ? stored : jpegScaledSize(stored, jpegEighths(stored, wanted));
    }

    bool decode(QSize scaled, const QRect& part, RowSink& rows) override
    {
        std::vector<uchar> row(static_cast<size_t>(scaled.width()) * rgbaBytes);
        if (setjmp(error.jump)) {
            jpeg_abort_decompress(&info);
            return false;
        }
        // Each read starts again from the file's start.
        if (reads++ > 0 && !readHeader())
            return false;
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
        jpeg_abort_decompress(&info);
        return !source.cutShort;
    }

private:
    bool readHeader()
    {
        if (!device.seek(0))
            return false;
        source.manager.bytes_in_buffer = 0;
        source.cutShort = false;
        return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK && !source.cutShort;
    }

    QIODevice& device;
    jpeg_decompress_struct info{};
    ErrorJump error{};
    DeviceSource source{};
    bool created = false;
    bool progressive = false;
    int reads = 0;
    QSize stored;
};

} // namespace

std::unique_ptr<RowDecoder> openJpegRows(QIODevice& picture)
{
    auto rows = std::make_unique<JpegRows>(picture);
    if (!rows->open())
        return nullptr;
    return rows;
}

} // namespace pintu
