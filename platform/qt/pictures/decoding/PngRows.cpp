#include "platform/qt/pictures/decoding/RowDecoders.h"

#include <QIODevice>

#include <png.h>

#include <csetjmp>
#include <vector>

namespace pintu {

namespace {

constexpr png_uint_32 opaque = 0xFF;

// libpng reports an error by a jump back to where reading started; a
// warning changes nothing.
[[noreturn]] void failed(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignored(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep data, size_t length)
{
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length))
        png_error(png, "cut short");
}

// libpng unpacks each row of every depth, palette and transparency into
// 8-bit RGBA itself; 16-bit channels are scaled down, not cut.
class PngRows final : public RowDecoder {
public:
    explicit PngRows(QIODevice& device) : device(device)
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failed, ignored);
        info = png ? png_create_info_struct(png) : nullptr;
    }

    ~PngRows() override { png_destroy_read_struct(&png, &info, nullptr); }

    // False for a broken header, and for an interlaced picture, whose rows
    // come in seven passes over the whole.
    bool readHeader()
    {
        if (!info || setjmp(png_jmpbuf(png)))
            return false;
        png_set_read_fn(png, &device, readBytes);
        png_read_info(png, info);
        stored = QSize(static_cast<int>(png_get_image_width(png, info)), static_cast<int>(png_get_image_height(png, info)));
        return png_get_interlace_type(png, info) == PNG_INTERLACE_NONE;
    }

    QSize size() const override { return stored; }

    bool decode(QSize, const QRect&, RowSink& rows) override
    {
        std::vector<png_byte> row(static_cast<size_t>(stored.width()) * 4);
        if (setjmp(png_jmpbuf(png)))
            return false;
        png_set_expand(png);
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
        png_set_filler(png, opaque, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        for (int y = 0; y < stored.height(); ++y) {
            png_read_row(png, row.data(), nullptr);
            if (!rows.take(y, row.data()))
                break;
        }
        return true;
    }

private:
    QIODevice& device;
    png_structp png = nullptr;
    png_infop info = nullptr;
    QSize stored;
};

} // namespace

std::unique_ptr<RowDecoder> openPngRows(QIODevice& picture)
{
    auto rows = std::make_unique<PngRows>(picture);
    if (!rows->readHeader())
        return nullptr;
    return rows;
}

} // namespace pintu
