#include "platform/qt/pictures/decoders/HeifStructure.h"

#include "platform/qt/pictures/UprightGeometry.h"
#include "platform/qt/pictures/decoders/CodedSizes.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace pintu {

namespace {

// Far more than any camera writes (a phone's 48-megapixel grid has a few
// hundred items, its metadata some tens of kilobytes), and little enough
// that reading them costs nothing.
constexpr qint64 mostMetadataBytes = qint64{16} << 20;
constexpr int mostBoxes = 1 << 17;
// A decoder configuration is some hundred bytes: parameter sets, a header.
constexpr qsizetype mostConfigurationBytes = 1 << 16;
constexpr int mostTopLevelBoxes = 1 << 12;
constexpr int mostExtents = 1 << 10;
constexpr int mostGridBytes = 12;
// The coded pictures' sides may reach past their item's own to whole coding
// blocks: 64 pixels in HEVC and AV1 alike.
constexpr int codingBlock = 64;

constexpr quint32 fourCc(const char (&name)[5])
{
    return quint32{static_cast<uchar>(name[0])} << 24 | quint32{static_cast<uchar>(name[1])} << 16 |
           quint32{static_cast<uchar>(name[2])} << 8 | static_cast<uchar>(name[3]);
}

const std::array<QByteArrayView, 3> alphaKinds{"urn:mpeg:hevc:2015:auxid:1", "urn:mpeg:avc:2015:auxid:1",
                                               "urn:mpeg:mpegB:cicp:systems:auxiliary:alpha"};

// Big-endian numbers read from a box's bytes; reading past its end fails
// every read after it.
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : bytes(bytes) {}

    quint64 number(int size)
    {
        if (size < 0 || size > 8 || at + size > bytes.size()) {
            broken = true;
            at = bytes.size();
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | static_cast<uchar>(bytes[at++]);
        return value;
    }
    quint32 u8() { return static_cast<quint32>(number(1)); }
    quint32 u16() { return static_cast<quint32>(number(2)); }
    quint32 u32() { return static_cast<quint32>(number(4)); }
    // An item's number: 16 bits in a box of version 0, else 32.
    quint32 id(int version) { return version == 0 ? u16() : u32(); }
    QByteArrayView rest() const { return bytes.sliced(at); }
    qsizetype offset() const { return at; }
    bool ok() const { return !broken; }

private:
    QByteArrayView bytes;
    qsizetype at = 0;
    bool broken = false;
};

struct Box {
    quint32 type;
    QByteArrayView body;
    qsizetype bodyOffset; // within the metadata read
};

// The boxes inside `body`, which starts `offset` bytes into the metadata.
std::optional<std::vector<Box>> childrenOf(QByteArrayView body, qsizetype offset, int& boxesLeft)
{
    std::vector<Box> boxes;
    qsizetype at = 0;
    while (at < body.size()) {
        Cursor header(body.sliced(at));
        quint64 size = header.u32();
        const quint32 type = header.u32();
        if (size == 1)
            size = header.number(8);
        else if (size == 0)
            size = static_cast<quint64>(body.size() - at);
        const auto headerBytes = header.offset();
        if (!header.ok() || --boxesLeft < 0 || size < static_cast<quint64>(headerBytes) ||
            size > static_cast<quint64>(body.size() - at))
            return std::nullopt;
        const auto length = static_cast<qsizetype>(size);
        boxes.push_back({type, body.sliced(at + headerBytes, length - headerBytes), offset + at + headerBytes});
        at += length;
    }
    return boxes;
}

const Box* find(const std::vector<Box>& boxes, quint32 type)
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [type](const Box& box) { return box.type == type; });
    return found == boxes.end() ? nullptr : &*found;
}

struct Location {
    std::vector<CodedItem::Extent> extents;
};

// The file's metadata, its boxes taken apart into what each item is, where
// its bytes lie, which properties it has, and which items it refers to.
struct Items {
    QByteArray metadata; // every box below is a view into it
    quint32 primary = 0;
    std::map<quint32, quint32> types;
    std::map<quint32, Location> locations;
    std::vector<Box> properties;
    std::map<quint32, std::vector<int>> associations; // in the order given, which is the order they apply
    std::map<quint32, std::vector<quint32>> tiles;
    std::vector<std::pair<quint32, quint32>> auxiliaries; // from, to
};

bool readItemTypes(const Box& box, Items& items, int& boxesLeft)
{
    Cursor info(box.body);
    const int version = static_cast<int>(info.u8());
    info.number(3);
    info.number(version == 0 ? 2 : 4);
    const auto entries = childrenOf(info.rest(), box.bodyOffset + info.offset(), boxesLeft);
    if (!info.ok() || !entries)
        return false;
    for (const Box& entry : *entries) {
        Cursor fields(entry.body);
        const int entryVersion = static_cast<int>(fields.u8());
        fields.number(3);
        if (entry.type != fourCc("infe") || entryVersion < 2)
            continue;
        const quint32 id = entryVersion == 2 ? fields.u16() : fields.u32();
        const quint32 protection = fields.u16();
        const quint32 type = fields.u32();
        if (!fields.ok() || protection != 0 || !items.types.emplace(id, type).second)
            return false;
    }
    return true;
}

// Every extent made an offset into the file: the item's own data box
// (idat) lies at `dataAt` in it, `dataBytes` long.
bool readLocations(const Box& box, Items& items, qint64 fileSize, qint64 dataAt, qint64 dataBytes, int& boxesLeft)
{
    Cursor location(box.body);
    const int version = static_cast<int>(location.u8());
    location.number(3);
    const quint32 sizes = location.u16();
    const int offsetSize = static_cast<int>(sizes >> 12);
    const int lengthSize = static_cast<int>(sizes >> 8 & 0xF);
    const int baseSize = static_cast<int>(sizes >> 4 & 0xF);
    const int indexSize = version > 0 ? static_cast<int>(sizes & 0xF) : 0;
    const quint32 count = version < 2 ? location.u16() : location.u32();
    for (quint32 i = 0; location.ok() && i < count; ++i) {
        const quint32 id = location.id(version < 2 ? 0 : 1);
        const int method = version > 0 ? static_cast<int>(location.u16() & 0xF) : 0;
        const quint32 reference = location.u16();
        const quint64 base = location.number(baseSize);
        const quint32 extents = location.u16();
        boxesLeft -= 1 + static_cast<int>(std::min<quint32>(extents, mostExtents));
        if (method > 1 || reference != 0 || extents > mostExtents || boxesLeft < 0)
            return false;
        const qint64 start = method == 0 ? 0 : dataAt;
        const qint64 end = method == 0 ? fileSize : dataAt + dataBytes;
        Location where;
        qint64 total = 0;
        for (quint32 e = 0; e < extents; ++e) {
            location.number(indexSize);
            const quint64 offset = location.number(offsetSize);
            quint64 length = location.number(lengthSize);
            const quint64 first = base + offset;
            if (first < base || first > static_cast<quint64>(end - start))
                return false;
            if (length == 0)
                length = static_cast<quint64>(end - start) - first;
            if (length > static_cast<quint64>(end - start) - first)
                return false;
            total += static_cast<qint64>(length);
            where.extents.push_back({start + static_cast<qint64>(first), static_cast<qint64>(length)});
        }
        // However its extents overlap, an item takes no more bytes than the file.
        if (total > fileSize || !items.locations.emplace(id, std::move(where)).second)
            return false;
    }
    return location.ok();
}

bool readProperties(const Box& box, Items& items, int& boxesLeft)
{
    const auto boxes = childrenOf(box.body, box.bodyOffset, boxesLeft);
    const Box* container = boxes ? find(*boxes, fourCc("ipco")) : nullptr;
    const auto properties = container ? childrenOf(container->body, container->bodyOffset, boxesLeft) : std::nullopt;
    if (!properties)
        return false;
    items.properties = *properties;
    for (const Box& association : *boxes) {
        if (association.type != fourCc("ipma"))
            continue;
        Cursor entries(association.body);
        const int version = static_cast<int>(entries.u8());
        const bool wide = entries.number(3) & 1;
        const quint32 count = entries.u32();
        for (quint32 i = 0; entries.ok() && i < count; ++i) {
            const quint32 id = entries.id(version);
            const int associated = static_cast<int>(entries.u8());
            --boxesLeft;
            std::vector<int>& indices = items.associations[id];
            for (int a = 0; a < associated; ++a) {
                const quint32 index = wide ? entries.u16() & 0x7FFF : entries.u8() & 0x7F;
                if (index > 0 && --boxesLeft >= 0)
                    indices.push_back(static_cast<int>(index) - 1);
            }
            if (boxesLeft < 0)
                return false;
        }
        if (!entries.ok())
            return false;
    }
    return true;
}

bool readReferences(const Box& box, Items& items, int& boxesLeft)
{
    Cursor header(box.body);
    const int version = static_cast<int>(header.u8());
    header.number(3);
    const auto references = childrenOf(header.rest(), box.bodyOffset + header.offset(), boxesLeft);
    if (!header.ok() || !references)
        return false;
    for (const Box& reference : *references) {
        Cursor ids(reference.body);
        const quint32 from = ids.id(version);
        const quint32 count = ids.u16();
        std::vector<quint32> to;
        for (quint32 i = 0; ids.ok() && i < count; ++i)
            to.push_back(ids.id(version));
        if (!ids.ok() || (boxesLeft -= static_cast<int>(count)) < 0)
            return false;
        if (reference.type == fourCc("dimg") && !items.tiles.emplace(from, std::move(to)).second)
            return false;
        if (reference.type == fourCc("auxl"))
            for (const quint32 target : to)
                items.auxiliaries.emplace_back(from, target);
    }
    return true;
}

std::optional<Items> readItems(QIODevice& file)
{
    // The metadata box, among the first boxes of the file.
    const qint64 fileSize = file.size();
    qint64 at = 0;
    Items items;
    QByteArray& metadata = items.metadata;
    qint64 metadataAt = 0;
    for (int boxes = 0; metadata.isEmpty(); ++boxes) {
        if (boxes >= mostTopLevelBoxes || !file.seek(at))
            return std::nullopt;
        const QByteArray headerBytes = file.read(16);
        Cursor header(headerBytes);
        quint64 size = header.u32();
        const quint32 type = header.u32();
        if (size == 1)
            size = header.number(8);
        else if (size == 0)
            size = static_cast<quint64>(fileSize - at);
        const qint64 headerLength = header.offset();
        if (!header.ok() || size < static_cast<quint64>(headerLength) || size > static_cast<quint64>(fileSize - at))
            return std::nullopt;
        if (type == fourCc("meta")) {
            if (size - static_cast<quint64>(headerLength) > static_cast<quint64>(mostMetadataBytes) ||
                !file.seek(at + headerLength))
                return std::nullopt;
            metadataAt = at + headerLength;
            metadata = file.read(static_cast<qint64>(size) - headerLength);
            if (metadata.size() != static_cast<qint64>(size) - headerLength || metadata.isEmpty())
                return std::nullopt;
        }
        at += static_cast<qint64>(size);
    }
    int boxesLeft = mostBoxes;
    Cursor fullBox(metadata);
    fullBox.u32(); // its version and flags
    const auto boxes = childrenOf(fullBox.rest(), fullBox.offset(), boxesLeft);
    if (!boxes)
        return std::nullopt;
    const Box* handler = find(*boxes, fourCc("hdlr"));
    const Box* primary = find(*boxes, fourCc("pitm"));
    const Box* types = find(*boxes, fourCc("iinf"));
    const Box* locations = find(*boxes, fourCc("iloc"));
    const Box* properties = find(*boxes, fourCc("iprp"));
    const Box* references = find(*boxes, fourCc("iref"));
    const Box* data = find(*boxes, fourCc("idat"));
    if (!handler || !primary || !types || !locations || !properties)
        return std::nullopt;
    Cursor handlerType(handler->body);
    handlerType.number(8);
    Cursor primaryId(primary->body);
    items.primary = primaryId.id(static_cast<int>(primaryId.u32() >> 24));
    const qint64 dataAt = data ? metadataAt + data->bodyOffset : 0;
    if (handlerType.u32() != fourCc("pict") || !primaryId.ok() || !readItemTypes(*types, items, boxesLeft) ||
        !readLocations(*locations, items, fileSize, dataAt, data ? data->body.size() : 0, boxesLeft) ||
        !readProperties(*properties, items, boxesLeft) || (references && !readReferences(*references, items, boxesLeft)))
        return std::nullopt;
    return items;
}

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
    PictureReader(QIODevice& file, const Items& items, qint64 largestPixels)
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
            Cursor sides(box.body);
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
        Cursor fields(data);
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

    QByteArray bytesOf(const Location& location, qint64 most) const;

    QIODevice& file;
    const Items& items;
    qint64 largestPixels;
    mutable std::map<const Box*, QByteArray> copies;
};

QByteArray PictureReader::bytesOf(const Location& location, qint64 most) const
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
    Cursor fields(box.body);
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
bool applyTransforms(const Items& items, HeifStructure& structure)
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
    const auto items = readItems(file);
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
