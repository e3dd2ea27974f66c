#include "platform/qt/pictures/PictureWire.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace pintu {

namespace {

// Both ends are built together and run on one machine: numbers go in the
// machine's own order, and the version tells a reader left from an older
// build (a spare started before an upgrade) from today's.
constexpr std::uint32_t version = 1;
constexpr std::array<char, 8> requestMagic{'p', 'i', 'n', 't', 'u', 'r', 'e', 'q'};
constexpr std::array<char, 8> answerMagic{'p', 'i', 'n', 't', 'u', 'a', 'n', 's'};
// No board window is larger, even at eight device pixels to a point.
constexpr std::int32_t widestSide = 1 << 15;
constexpr std::int32_t mostCellsASide = 100;

struct RequestFields {
    std::array<char, 8> magic;
    std::uint32_t version;
    std::int32_t previewWidth;
    std::int32_t previewHeight;
    std::int32_t side;
    std::int32_t cellWidth;
    std::int32_t cellHeight;
};
static_assert(sizeof(RequestFields) == requestBytes);

struct AnswerFields {
    std::array<char, 8> magic;
    std::uint32_t version;
    std::int32_t width;
    std::int32_t height;
    std::int32_t previewWidth;
    std::int32_t previewHeight;
    std::int32_t tilesWidth;
    std::int32_t tilesHeight;
};

constexpr qint64 answerHeadBytes = sizeof(AnswerFields);

template <typename Fields>
QByteArray bytesOf(const Fields& fields)
{
    return QByteArray(reinterpret_cast<const char*>(&fields), sizeof fields);
}

bool within(std::int32_t value, std::int32_t most)
{
    return value >= 0 && value <= most;
}

// An image of `size` whose pixels are to come, or a null one for an empty size.
QImage awaiting(QSize size)
{
    return size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
}

std::span<char> unfilled(QImage& image, qint64 filled)
{
    if (image.isNull())
        return {};
    return {reinterpret_cast<char*>(image.bits()) + filled, static_cast<size_t>(image.sizeInBytes() - filled)};
}

// A reader answers in 32-bit RGB, whose top byte is the alpha of an opaque pixel.
void makeOpaque(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
}

} // namespace

QByteArray request(const PictureNeeds& needs)
{
    return bytesOf(RequestFields{requestMagic, version, needs.previewArea.width(), needs.previewArea.height(),
                                 needs.side, needs.cellPixels.width(), needs.cellPixels.height()});
}

std::optional<PictureNeeds> parseRequest(std::span<const char, requestBytes> bytes)
{
    RequestFields fields;
    std::memcpy(&fields, bytes.data(), sizeof fields);
    const bool cells = fields.side == 0 || (within(fields.cellWidth, widestSide / fields.side) &&
                                            within(fields.cellHeight, widestSide / fields.side));
    if (fields.magic != requestMagic || fields.version != version || !within(fields.previewWidth, widestSide) ||
        !within(fields.previewHeight, widestSide) || !within(fields.side, mostCellsASide) || !cells)
        return std::nullopt;
    return PictureNeeds{QSize(fields.previewWidth, fields.previewHeight), fields.side,
                        QSize(fields.cellWidth, fields.cellHeight)};
}

QByteArray answerHead(const ReadPicture& picture)
{
    return bytesOf(AnswerFields{answerMagic, version, picture.size.width(), picture.size.height(),
                                picture.preview.width(), picture.preview.height(), picture.tiles.width(),
                                picture.tiles.height()});
}

AnswerReader::AnswerReader(const PictureNeeds& needs) : needs(needs), head(answerHeadBytes, '\0') {}

std::span<char> AnswerReader::room()
{
    if (broken)
        return {};
    if (headFilled < answerHeadBytes)
        return {head.data() + headFilled, static_cast<size_t>(answerHeadBytes - headFilled)};
    if (const auto preview = unfilled(picture.preview, previewFilled); !preview.empty())
        return preview;
    return unfilled(picture.tiles, tilesFilled);
}

bool AnswerReader::received(qint64 count)
{
    if (broken || count <= 0 || count > static_cast<qint64>(room().size()))
        return !(broken = true);
    if (headFilled < answerHeadBytes) {
        headFilled += count;
        if (headFilled == answerHeadBytes && !readHead())
            broken = true;
    } else if (previewFilled < picture.preview.sizeInBytes()) {
        previewFilled += count;
    } else {
        tilesFilled += count;
    }
    return !broken;
}

bool AnswerReader::readHead()
{
    AnswerFields fields;
    std::memcpy(&fields, head.constData(), sizeof fields);
    const QSize size(fields.width, fields.height);
    if (fields.magic != answerMagic || fields.version != version || size.isEmpty() ||
        qint64{size.width()} * size.height() > largestPicturePixels ||
        QSize(fields.previewWidth, fields.previewHeight) != needs.previewSize(size) ||
        QSize(fields.tilesWidth, fields.tilesHeight) != needs.tilesSize())
        return false;
    picture = {size, awaiting(needs.previewSize(size)), awaiting(needs.tilesSize())};
    // An image that could not be made is no room for pixels that come.
    return picture.preview.isNull() == needs.previewSize(size).isEmpty() &&
           picture.tiles.isNull() == needs.tilesSize().isEmpty();
}

std::optional<ReadPicture> AnswerReader::answer() const
{
    if (broken || headFilled < answerHeadBytes || previewFilled < picture.preview.sizeInBytes() ||
        tilesFilled < picture.tiles.sizeInBytes())
        return std::nullopt;
    ReadPicture whole = picture;
    makeOpaque(whole.preview);
    makeOpaque(whole.tiles);
    return whole;
}

} // namespace pintu
