#include "platform/qt/pictures/decoders/JpegCoefficientStore.h"
#include "platform/qt/pictures/decoders/RowDecoders.h"
#include "platform/qt/pictures/decoders/RowShrinker.h"

#include <QIODevice>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <array>
#include <vector>

namespace pintu {

namespace {

constexpr int cmykComponents = 4;
constexpr size_t chunkBytes = 64 * 1024;
// libjpeg's rows of samples between decoding and colour conversion, per
// pixel of width and component, with room to spare.
constexpr qint64 sampleRowBytesPerColumn = 128;
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

// The file's bytes a chunk at a time; a file that ends early ends in an end
// marker, as libjpeg's own sources do.
struct DeviceSource {
    jpeg_source_mgr manager;
    QIODevice* device;
    std::array<JOCTET, chunkBytes> chunk;
};

void startSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillSource(j_decompress_ptr info)
{
    auto& source = *reinterpret_cast<DeviceSource*>(info->src);
    const qint64 read = source.device->read(reinterpret_cast<char*>(source.chunk.data()), chunkBytes);
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

// A progressive CMYK photo, whose coefficients Qt's reader keeps in memory,
// all 400 MB of them at 50 megapixels: decoded here with them in a file,
// shrunk in the DCT for a whole picture, and converted as Qt's reader
// converts CMYK, stored inverted as Adobe's programs write it.
class JpegRows final : public RowDecoder {
public:
    explicit JpegRows(QIODevice& device)
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

    bool readHeader()
    {
        if (setjmp(error.jump))
            return false;
        jpeg_create_decompress(&info);
        created = true;
        info.src = &source.manager;
        store = std::make_unique<JpegCoefficientStore>(info);
        jpeg_read_header(&info, TRUE);
        stored = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
        return info.num_components == cmykComponents && jpeg_has_multiple_scans(&info);
    }

    QSize size() const override { return stored; }

    Delivery plan(const QRect& part, QSize wanted) const override
    {
        if (part != QRect(QPoint(0, 0), stored))
            return RowDecoder::plan(part, wanted);
        const QSize scaled = jpegScaledSize(stored, jpegEighths(stored, wanted));
        return {scaled, QRect(QPoint(0, 0), scaled)};
    }

    qint64 workingBytes(const Delivery& delivery) const override
    {
        return JpegCoefficientStore::windowBytes(info) +
               qint64{delivery.scaled.width()} * cmykComponents * sampleRowBytesPerColumn;
    }

    bool decode(const Delivery& delivery, RowShrinker& rows) override
    {
        std::vector<JSAMPLE> cmyk(static_cast<size_t>(delivery.scaled.width()) * cmykComponents);
        std::vector<uchar> rgba(cmyk.size());
        JSAMPROW row = cmyk.data();
        if (setjmp(error.jump))
            return false;
        int eighths = 1;
        while (eighths < 8 && jpegScaledSize(stored, eighths) != delivery.scaled)
            ++eighths;
        info.scale_num = static_cast<unsigned>(eighths);
        info.scale_denom = 8;
        info.out_color_space = JCS_CMYK;
        jpeg_start_decompress(&info);
        if (info.output_width != static_cast<JDIMENSION>(delivery.scaled.width()) ||
            info.output_height != static_cast<JDIMENSION>(delivery.scaled.height()))
            return false;
        while (info.output_scanline < info.output_height) {
            jpeg_read_scanlines(&info, &row, 1);
            for (size_t at = 0; at < cmyk.size(); at += cmykComponents) {
                const int black = cmyk[at + 3];
                for (int c = 0; c < 3; ++c)
                    rgba[at + c] = static_cast<uchar>(black * cmyk[at + c] / 255);
                rgba[at + 3] = 255;
            }
            if (!rows.take(rgba.data()))
                break;
        }
        return true;
    }

private:
    jpeg_decompress_struct info{};
    ErrorJump error{};
    DeviceSource source{};
    bool created = false;
    std::unique_ptr<JpegCoefficientStore> store;
    QSize stored;
};

} // namespace

std::unique_ptr<RowDecoder> openJpegRows(QIODevice& picture)
{
    auto rows = std::make_unique<JpegRows>(picture);
    if (!rows->readHeader())
        return nullptr;
    return rows;
}

} // namespace pintu
