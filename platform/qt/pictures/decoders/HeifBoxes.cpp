#include "platform/qt/pictures/decoders/HeifBoxes.h"

#include <QIODevice>

#include <algorithm>

namespace pintu {

namespace {

// Far more than any camera writes (a phone's 48-megapixel grid has a few
// hundred items, its metadata some tens of kilobytes), and little enough
// that reading them costs nothing.
constexpr qint64 mostMetadataBytes = qint64{16} << 20;
constexpr int mostBoxes = 1 << 17;
constexpr int mostTopLevelBoxes = 1 << 12;
constexpr int mostExtents = 1 << 10;

// The boxes inside `body`, which starts `offset` bytes into the metadata.
std::optional<std::vector<Box>> childrenOf(QByteArrayView body, qsizetype offset, int& boxesLeft)
{
    std::vector<Box> boxes;
    qsizetype at = 0;
    while (at < body.size()) {
        BoxCursor header(body.sliced(at));
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

bool readItemTypes(const Box& box, HeifItems& items, int& boxesLeft)
{
    BoxCursor info(box.body);
    const int version = static_cast<int>(info.u8());
    info.number(3);
    info.number(version == 0 ? 2 : 4);
    const auto entries = childrenOf(info.rest(), box.bodyOffset + info.offset(), boxesLeft);
    if (!info.ok() || !entries)
        return false;
    for (const Box& entry : *entries) {
        BoxCursor fields(entry.body);
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
bool readLocations(const Box& box, HeifItems& items, qint64 fileSize, qint64 dataAt, qint64 dataBytes, int& boxesLeft)
{
    BoxCursor location(box.body);
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
        ItemLocation where;
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

bool readProperties(const Box& box, HeifItems& items, int& boxesLeft)
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
        BoxCursor entries(association.body);
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

bool readReferences(const Box& box, HeifItems& items, int& boxesLeft)
{
    BoxCursor header(box.body);
    const int version = static_cast<int>(header.u8());
    header.number(3);
    const auto references = childrenOf(header.rest(), box.bodyOffset + header.offset(), boxesLeft);
    if (!header.ok() || !references)
        return false;
    for (const Box& reference : *references) {
        BoxCursor ids(reference.body);
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

} // namespace

std::optional<HeifItems> readHeifItems(QIODevice& file)
{
    // The metadata box, among the first boxes of the file.
    const qint64 fileSize = file.size();
    qint64 at = 0;
    HeifItems items;
    QByteArray& metadata = items.metadata;
    qint64 metadataAt = 0;
    for (int boxes = 0; metadata.isEmpty(); ++boxes) {
        if (boxes >= mostTopLevelBoxes || !file.seek(at))
            return std::nullopt;
        const QByteArray headerBytes = file.read(16);
        BoxCursor header(headerBytes);
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
    BoxCursor fullBox(metadata);
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
    BoxCursor handlerType(handler->body);
    handlerType.number(8);
    BoxCursor primaryId(primary->body);
    items.primary = primaryId.id(static_cast<int>(primaryId.u32() >> 24));
    const qint64 dataAt = data ? metadataAt + data->bodyOffset : 0;
    if (handlerType.u32() != fourCc("pict") || !primaryId.ok() || !readItemTypes(*types, items, boxesLeft) ||
        !readLocations(*locations, items, fileSize, dataAt, data ? data->body.size() : 0, boxesLeft) ||
        !readProperties(*properties, items, boxesLeft) || (references && !readReferences(*references, items, boxesLeft)))
        return std::nullopt;
    return items;
}

} // namespace pintu
