#include "platform/qt/pictures/FormatLayouts.h"

#include "platform/ByteOrder.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <limits>
#include <map>

namespace pintu {

namespace {

enum Tag : quint16 {
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    SamplesPerPixel = 277,
    RowsPerStrip = 278,
    TileWidth = 322,
    TileLength = 323,
};

enum Type : quint16 { Short = 3, Long = 4, Long8 = 16 };

// Directories of real pictures hold a few dozen entries.
constexpr quint64 mostEntries = 4096;

// Classic TIFF and BigTIFF differ only in the widths of their fields.
struct Widths {
    int entries; // the count of entries
    int count; // an entry's count of values
    int value; // an entry's value, or the offset of its values
    int entry;
};
constexpr Widths classic{2, 4, 4, 12};
constexpr Widths big{8, 8, 8, 20};
constexpr quint64 bigVersion = 43;

std::optional<quint64> numberAt(const QByteArray& bytes, qsizetype at, int width, std::endian order)
{
    if (at < 0 || at + width > bytes.size())
        return std::nullopt;
    return readNumber(std::as_bytes(std::span(bytes.constData() + at, width)), order);
}

class Directory {
public:
    Directory(QIODevice& file, std::endian order, Widths widths) : file(file), order(order), widths(widths)
    {}

    std::optional<quint64> number(const QByteArray& bytes, qsizetype at, int width) const
    {
        return numberAt(bytes, at, width, order);
    }

    std::optional<QByteArray> bytesAt(quint64 offset, qint64 count) const
    {
        if (offset > static_cast<quint64>(file.size()) || !file.seek(static_cast<qint64>(offset)))
            return std::nullopt;
        QByteArray bytes = file.read(count);
        if (bytes.size() != count)
            return std::nullopt;
        return bytes;
    }

    // The first value of each entry whose type is a whole number.
    std::optional<std::map<quint16, quint64>> read(quint64 offset) const
    {
        const auto head = bytesAt(offset, widths.entries);
        const auto count = head ? number(*head, 0, widths.entries) : std::nullopt;
        if (!count || *count > mostEntries)
            return std::nullopt;
        const auto entries = bytesAt(offset + widths.entries, static_cast<qint64>(*count) * widths.entry);
        if (!entries)
            return std::nullopt;
        std::map<quint16, quint64> values;
        for (qsizetype at = 0; at < entries->size(); at += widths.entry) {
            const auto tag = number(*entries, at, 2);
            const auto type = number(*entries, at + 2, 2);
            const int width = type == Short ? 2 : type == Long ? 4 : type == Long8 ? 8 : 0;
            const auto valueCount = number(*entries, at + 4, widths.count);
            if (!tag || width == 0 || !valueCount || *valueCount == 0)
                continue;
            const qsizetype field = at + 4 + widths.count;
            // Values that fit the field stand in it; others lie at the offset it holds.
            std::optional<quint64> value;
            if (*valueCount * width <= static_cast<quint64>(widths.value)) {
                value = number(*entries, field, width);
            } else {
                const auto where = number(*entries, field, widths.value);
                const auto stored = where ? bytesAt(*where, width) : std::nullopt;
                value = stored ? number(*stored, 0, width) : std::nullopt;
            }
            if (value)
                values[static_cast<quint16>(*tag)] = *value;
        }
        return values;
    }

private:
    QIODevice& file;
    std::endian order;
    Widths widths;
};

} // namespace

// libtiff decodes a strip or a tile at a time into a buffer of its own, beside
// the compressed bytes it read.
std::optional<PictureLayout> readTiffLayout(QIODevice& file)
{
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray header = file.read(16);
    const std::endian order = header.startsWith("II") ? std::endian::little : std::endian::big;
    if (header.size() < 16 || (order == std::endian::big && !header.startsWith("MM")))
        return std::nullopt;
    const bool isBig = numberAt(header, 2, 2, order) == bigVersion;
    const Widths widths = isBig ? big : classic;
    const Directory directory(file, order, widths);
    const auto first = directory.number(header, isBig ? 8 : 4, widths.value);
    const auto values = first ? directory.read(*first) : std::nullopt;
    if (!values || !values->contains(ImageWidth) || !values->contains(ImageLength))
        return std::nullopt;
    const auto value = [&values](Tag tag, quint64 otherwise) {
        const auto found = values->find(tag);
        return found == values->end() ? otherwise : found->second;
    };
    const quint64 width = value(ImageWidth, 0);
    const quint64 height = value(ImageLength, 0);
    constexpr quint64 largestSide = std::numeric_limits<int>::max();
    if (width == 0 || height == 0 || width > largestSide || height > largestSide)
        return std::nullopt;
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    const quint64 bitsPerPixel =
        std::min<quint64>(value(BitsPerSample, 1), 64) * std::min<quint64>(value(SamplesPerPixel, 1), 16);
    const bool tiled = values->contains(TileWidth) && values->contains(TileLength);
    const quint64 columns = tiled ? std::min(value(TileWidth, 0), largestSide) : width;
    const quint64 rows =
        tiled ? std::min(value(TileLength, 0), largestSide) : std::min(value(RowsPerStrip, height), height);
    const quint64 rowBytes = (columns * bitsPerPixel + 7) / 8;
    constexpr quint64 beyondAnyBudget = quint64{1} << 60;
    const quint64 decodedBytes = rows > 0 && rowBytes > beyondAnyBudget / rows ? beyondAnyBudget : rowBytes * rows;
    return PictureLayout{size, std::min(file.size(), byteLimit(size)), static_cast<qint64>(2 * decodedBytes)};
}

} // namespace pintu
