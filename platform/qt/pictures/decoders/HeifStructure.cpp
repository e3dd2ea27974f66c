#include "platform/qt/pictures/decoders/HeifStructure.h"

#include "platform/qt/pictures/UprightGeometry.h"
#include "platform/qt/pictures/decoders/CodedSizes.h"
#include "platform/qt/pictures/decoders/HeifBoxes.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace pintu {

namespace {

// A decoder configuration is some hundred bytes: parameter sets, a header.
constexpr qsizetype mostConfigurationBytes = 1 << 16;
constexpr int mostGridBytes = 12;
// The coded pictures' sides may reach past their item's own to whole coding
// blocks: 64 pixels in HEVC and AV1 alike.
constexpr int codingBlock = 64;

const std::array<QByteArrayView, 3> alphaKinds{"urn:mpeg:hevc:2015:auxid:1", "urn:mpeg:avc:2015:auxid:1",
                                               "urn:mpeg:mpegB:cicp:systems:auxiliary:alpha"};

// Qt's turns as matrices on pixel coordinates, y down: each mirrors, flips,
// then turns a quarter clockwise, in that order.
using Matrix = std::array<int, 4>; // row by row

Matrix times(const Matrix& a, const Matrix& b)
{
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3]};
}

constexpr Matrix unturned{1, 0, 0, 1};
constexpr Matrix quarterClockwise{0, -1, 1, 0};
constexpr Matrix mirror{-1, 0, 0, 1};
constexpr Matrix flip{1, 0, 0, -1};

Matrix matrixOf(QImageIOHandler::Transformations transformation)
{
    Matrix m = unturned;
    if (transformation.testFlag(QImageIOHandler::TransformationMirror))
        m = times(mirror, m);
    if (transformation.testFlag(QImageIOHandler::TransformationFlip))
        m = times(flip, m);
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        m = times(quarterClockwise, m);
    return m;
}

// `transformation` followed by `then`.
QImageIOHandler::Transformations followedBy(QImageIOHandler::Transformations transformation, const Matrix& then)
{
    const Matrix wanted = times(then, matrixOf(transformation));
    for (int flags = 0; flags < 8; ++flags) {
        const auto candidate = QImageIOHandler::Transformations::fromInt(flags);
        if (matrixOf(candidate) == wanted)
            return candidate;
    }
    return transformation; // every product of these is one of the eight
}

class PictureReader {
public:
    PictureReader(QIODevice& file, const HeifItems& items, qint64 largestPixels)
        : file(file), items(items), largestPixels(largestPixels)
    {}

    const Box* property(quint32 id, quint32 type) const
    {
        const auto found = items.associations.find(id);
        if (found == items.associations.end())
            return nullptr;
        for (const int index : found->second)
            if (index < static_cast<int>(items.properties.size()) && items.properties[static_cast<size_t>(index)].type == type)
                return &items.properties[static_cast<size_t>(index)];
        return nullptr;
    }

    // The item's size as its properties give it. Some writers give it as
    // turned by a quarter turn that comes before it; it is turned back here.
    std::optional<QSize> extent(quint32 id) const
    {
        const auto found = items.associations.find(id);
        if (found == items.associations.end())
            return std::nullopt;
        bool turned = false;
        for (const int index : found->second) {
            if (index >= static_cast<int>(items.properties.size()))
                continue;
            const Box& box = items.properties[static_cast<size_t>(index)];
            if (box.type == fourCc("irot") && !box.body.isEmpty() && (box.body[0] & 1))
                turned = !turned;
            if (box.type != fourCc("ispe"))
                continue;
            BoxCursor sides(box.body);
            sides.u32();
            const quint32 width = sides.u32();
            const quint32 height = sides.u32();
            if (!sides.ok() || width == 0 || height == 0 || width > std::numeric_limits<int>::max() ||
                height > std::numeric_limits<int>::max())
                return std::nullopt;
            const QSize size(static_cast<int>(width), static_cast<int>(height));
            return turned ? size.transposed() : size;
        }
        return std::nullopt;
    }

    std::optional<HeifPicture> picture(quint32 id) const
    {
        const auto type = items.types.find(id);
        const auto size = extent(id);
        if (type == items.types.end() || !size || qint64{size->width()} * size->height() > largestPixels)
            return std::nullopt;
        if (type->second != fourCc("grid")) {
            HeifPicture single;
            single.size = *size;
            single.tileSize = *size;
            return withTile(single, id, *size) ? std::optional(single) : std::nullopt;
        }
        return grid(id, *size);
    }

private:
    std::optional<HeifPicture> grid(quint32 id, QSize size) const
    {
        const auto location = items.locations.find(id);
        const auto tiles = items.tiles.find(id);
        if (location == items.locations.end() || tiles == items.tiles.end())
            return std::nullopt;
        const QByteArray data = bytesOf(location->second, mostGridBytes);
        BoxCursor fields(data);
        fields.u8(); // the version
        const int sideBytes = (fields.u8() & 1) ? 4 : 2;
        const int rows = static_cast<int>(fields.u8()) + 1;
        const int columns = static_cast<int>(fields.u8()) + 1;
        const quint64 width = fields.number(sideBytes);
        const quint64 height = fields.number(sideBytes);
        // The grid's own pixels are what its decoder lays the tiles on.
        if (!fields.ok() || width == 0 || height == 0 || width > static_cast<quint64>(size.width()) ||
            height > static_cast<quint64>(size.height()) || tiles->second.size() != static_cast<size_t>(rows * columns))
            return std::nullopt;
        HeifPicture grid;
        grid.size = QSize(static_cast<int>(width), static_cast<int>(height));
        grid.columns = columns;
        const auto tileSize = extent(tiles->second.front());
        if (!tileSize || !covers(columns, tileSize->width(), grid.size.width()) ||
            !covers(rows, tileSize->height(), grid.size.height()))
            return std::nullopt;
        grid.tileSize = *tileSize;
        for (const quint32 tile : tiles->second) {
            const auto type = items.types.find(tile);
            if (type == items.types.end() || type->second == fourCc("grid") || extent(tile) != tileSize ||
                !withTile(grid, tile, *tileSize))
                return std::nullopt;
        }
        // Tiles side by side share the grid of their chroma samples.
        const auto alignedTo = [](int side, int count, int shift) { return count == 1 || side % (1 << shift) == 0; };
        if (!alignedTo(tileSize->width(), columns, grid.format.chromaShiftX) ||
            !alignedTo(tileSize->height(), rows, grid.format.chromaShiftY))
            return std::nullopt;
        return grid;
    }

    // Tiles of one size cover the grid's pixels, with no row or column of
    // them wholly past its edge; none larger than it to a coding block.
    static bool covers(int count, int tileSide, int side)
    {
        return qint64{count} * tileSide >= side && qint64{count - 1} * tileSide < side &&
               tileSide <= roundedUp(side);
    }

    static int roundedUp(int side) { return static_cast<int>((qint64{side} + codingBlock - 1) / codingBlock * codingBlock); }

    // Adds the coded picture `id` of `size` to `picture`, which takes its
    // codec and format from the first one.
    bool withTile(HeifPicture& picture, quint32 id, QSize size) const
    {
        const auto type = items.types.find(id);
        const auto location = items.locations.find(id);
        if (type == items.types.end() || location == items.locations.end())
            return false;
        CodedItem coded{location->second.extents, {}, {}};
        SampleFormat format;
        HeifCodec codec = HeifCodec::Hevc;
        if (type->second == fourCc("hvc1")) {
            const Box* box = property(id, fourCc("hvcC"));
            const auto configuration = box && box->body.size() <= mostConfigurationBytes
                                           ? readHevcConfiguration(box->body)
                                           : std::nullopt;
            if (!configuration)
                return false;
            format = configuration->format;
            for (const QByteArray& set : configuration->parameterSets) {
                if (hevcNalType(set) != hevcSequenceParameterSet)
                    continue;
                const auto setSize = hevcCodedSize(set);
                if (!setSize)
                    return false;
                codedSizeAtLeast(coded, *setSize);
            }
            coded.configuration = shared(*box);
        } else if (type->second == fourCc("av01")) {
            codec = HeifCodec::Av1;
            const Box* box = property(id, fourCc("av1C"));
            const auto configuration =
                box && box->body.size() <= mostConfigurationBytes
                    ? readAv1Configuration(box->body, bytesOf(location->second, av1SequenceHeaderReach))
                    : std::nullopt;
            if (!configuration)
                return false;
            format = configuration->format;
            if (configuration->largestFrame)
                codedSizeAtLeast(coded, *configuration->largestFrame);
            coded.configuration = shared(*box);
        } else {
            return false;
        }
        // A coded size not given is found when decoding, held to this.
        const QSize allowed(roundedUp(size.width()), roundedUp(size.height()));
        if (coded.codedSize.isEmpty())
            coded.codedSize = allowed;
        if (coded.codedSize.width() > allowed.width() || coded.codedSize.height() > allowed.height())
            return false;
        if (picture.tiles.empty()) {
            picture.codec = codec;
            picture.format = format;
        } else if (picture.codec != codec || !(picture.format == format)) {
            return false;
        }
        picture.tiles.push_back(std::move(coded));
        return true;
    }

    static void codedSizeAtLeast(CodedItem& item, QSize size) { item.codedSize = item.codedSize.expandedTo(size); }

    // One copy of a property however many tiles share it.
    QByteArray shared(const Box& box) const
    {
        QByteArray& copy = copies[&box];
        if (copy.isEmpty())
            copy = box.body.toByteArray();
        return copy;
    }

    QByteArray bytesOf(const ItemLocation& location, qint64 most) const;

    QIODevice& file;
    const HeifItems& items;
    qint64 largestPixels;
    mutable std::map<const Box*, QByteArray> copies;
};

QByteArray PictureReader::bytesOf(const ItemLocation& location, qint64 most) const
{
    QByteArray bytes;
    for (const CodedItem::Extent& extent : location.extents) {
        if (bytes.size() >= most || !file.seek(extent.offset))
            break;
        bytes += file.read(std::min(extent.length, most - bytes.size()));
    }
    return bytes;
}

// The part of `size` a clean aperture keeps, centred where it says.
std::optional<QRect> apertureOf(const Box& box, QSize size)
{
    BoxCursor fields(box.body);
    std::array<double, 4> values{};
    for (double& value : values) {
        const auto numerator = static_cast<double>(static_cast<qint32>(fields.u32()));
        const quint32 denominator = fields.u32();
        if (denominator == 0)
            return std::nullopt;
        value = numerator / denominator;
    }
    if (!fields.ok())
        return std::nullopt;
    const auto [width, height, horizontal, vertical] = values;
    // Any aperture reaching far past the picture is cut to it below.
    const auto pixels = [](double value) { return static_cast<int>(std::clamp(std::floor(value + 0.5), -1e9, 1e9)); };
    const QRect kept(pixels(horizontal + (size.width() - width) / 2 - 0.5),
                     pixels(vertical + (size.height() - height) / 2 - 0.5), pixels(width), pixels(height));
    const QRect inside = kept.intersected(QRect(QPoint(0, 0), size));
    return inside.isEmpty() ? std::nullopt : std::optional(inside);
}

// The part shown and its turn, applied in the order the properties come.
bool applyTransforms(const HeifItems& items, HeifStructure& structure)
{
    structure.shown = QRect(QPoint(0, 0), structure.colour.size);
    const auto found = items.associations.find(items.primary);
    for (const int index : found->second) {
        if (index >= static_cast<int>(items.properties.size()))
            continue;
        const Box& box = items.properties[static_cast<size_t>(index)];
        const auto value = box.body.isEmpty() ? 0 : static_cast<uchar>(box.body[0]);
        if (box.type == fourCc("irot")) {
            for (int turn = 0; turn < (value & 3); ++turn) // anticlockwise
                structure.transformation = followedBy(
                    structure.transformation, times(quarterClockwise, times(quarterClockwise, quarterClockwise)));
        } else if (box.type == fourCc("imir")) {
            // As libheif writes and reads it: 0 turns the picture upside down.
            structure.transformation = followedBy(structure.transformation, (value & 1) ? mirror : flip);
        } else if (box.type == fourCc("clap")) {
            const QSize upright = turnedSize(structure.shown.size(), structure.transformation);
            const auto kept = apertureOf(box, upright);
            if (!kept)
                return false;
            structure.shown = storedRect(*kept, upright, structure.transformation).translated(structure.shown.topLeft());
        }
    }
    return true;
}

} // namespace

qint64 CodedItem::bytes() const
{
    qint64 total = 0;
    for (const Extent& extent : extents)
        total += extent.length;
    return total;
}

std::optional<HeifStructure> readHeifStructure(QIODevice& file, qint64 largestPixels)
{
    const auto items = readHeifItems(file);
    if (!items)
        return std::nullopt;
    const PictureReader reader(file, *items, largestPixels);
    const auto colour = reader.picture(items->primary);
    if (!colour)
        return std::nullopt;
    HeifStructure structure{*colour, std::nullopt, {}, {}};
    for (const auto& [from, to] : items->auxiliaries) {
        const Box* kind = reader.property(from, fourCc("auxC"));
        if (to != items->primary || !kind)
            continue;
        const QByteArrayView urn = kind->body.sliced(std::min<qsizetype>(4, kind->body.size()));
        const QByteArrayView name = urn.first(std::min(urn.indexOf('\0') < 0 ? urn.size() : urn.indexOf('\0'), urn.size()));
        if (std::find(alphaKinds.begin(), alphaKinds.end(), name) == alphaKinds.end())
            continue;
        structure.alpha = reader.picture(from);
        if (!structure.alpha || structure.alpha->size != colour->size)
            return std::nullopt;
        break;
    }
    if (!applyTransforms(*items, structure))
        return std::nullopt;
    return structure;
}

} // namespace pintu
