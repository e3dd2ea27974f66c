#pragma once

#include "platform/qt/pictures/decoders/HeifStructure.h"

#include <QByteArrayView>

#include <map>
#include <optional>
#include <vector>

class QIODevice;

namespace pintu {

// A box's or brand's four characters as the number they are stored as.
constexpr quint32 fourCc(const char (&name)[5])
{
    return quint32{static_cast<uchar>(name[0])} << 24 | quint32{static_cast<uchar>(name[1])} << 16 |
           quint32{static_cast<uchar>(name[2])} << 8 | static_cast<uchar>(name[3]);
}

// Big-endian numbers read from a box's bytes; reading past its end fails
// every read after it.
class BoxCursor {
public:
    explicit BoxCursor(QByteArrayView bytes) : bytes(bytes) {}

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

// One box of the metadata, read whole.
struct Box {
    quint32 type;
    QByteArrayView body;
    qsizetype bodyOffset; // within the metadata read
};

// Where an item's bytes lie in the file.
struct ItemLocation {
    std::vector<CodedItem::Extent> extents;
};

// The file's metadata, its boxes taken apart into what each item is, where
// its bytes lie, which properties it has, and which items it refers to.
struct HeifItems {
    QByteArray metadata; // every box below is a view into it
    quint32 primary = 0;
    std::map<quint32, quint32> types;
    std::map<quint32, ItemLocation> locations;
    std::vector<Box> properties;
    std::map<quint32, std::vector<int>> associations; // in the order given, which is the order they apply
    std::map<quint32, std::vector<quint32>> tiles;
    std::vector<std::pair<quint32, quint32>> auxiliaries; // from, to
};

// The items of the HEIF file in `file`, read from its metadata box; nothing
// when its boxes are broken or count more than any camera writes.
std::optional<HeifItems> readHeifItems(QIODevice& file);

} // namespace pintu
