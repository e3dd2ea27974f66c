#include "tests/support/HevcSets.h"

#include "tests/support/TestPictures.h"

namespace pintu::test {

namespace {

constexpr int sequenceParameterSet = 33;
constexpr qsizetype lumaDepthAt = 17; // in the configuration's fixed fields
constexpr qsizetype arraysAt = 22;
constexpr int unitHeaderBytes = 2;
// The general profile, tier and level of a sequence parameter set.
constexpr int profileBits = 96;
constexpr int subLayerProfileBits = 88;
constexpr int subLayerLevelBits = 8;

// A unit's payload as an encoder wrote it, a 3 after two zero bytes where
// the next is 3 or less, and as it is meant.
QByteArray withoutEmulationPrevention(const QByteArray& unit)
{
    QByteArray payload;
    int zeros = 0;
    for (const char c : unit) {
        if (zeros >= 2 && c == 3) {
            zeros = 0;
            continue;
        }
        zeros = c == 0 ? zeros + 1 : 0;
        payload.append(c);
    }
    return payload;
}

QByteArray withEmulationPrevention(const QByteArray& payload)
{
    QByteArray unit;
    int zeros = 0;
    for (const char c : payload) {
        if (zeros >= 2 && static_cast<uchar>(c) <= 3) {
            unit.append('\3');
            zeros = 0;
        }
        zeros = c == 0 ? zeros + 1 : 0;
        unit.append(c);
    }
    return unit;
}

// Copies a payload's bits most significant first, rewriting one field on the way.
class BitCopy {
public:
    explicit BitCopy(QByteArray payload) : payload(std::move(payload)) {}

    quint64 copy(int count)
    {
        quint64 value = 0;
        for (int i = 0; i < count; ++i) {
            const bool bit = nextBit();
            value = value << 1 | bit;
            put(bit);
        }
        return value;
    }
    quint64 copyExpGolomb() { return expGolomb(true); }
    void replaceExpGolomb(quint64 value)
    {
        expGolomb(false);
        const quint64 coded = value + 1;
        int length = 0;
        while (coded >> (length + 1))
            ++length;
        for (int i = 0; i < length; ++i)
            put(false);
        for (int i = length; i >= 0; --i)
            put(coded >> i & 1);
    }
    QByteArray rest()
    {
        while (at < payload.size() * 8)
            put(nextBit());
        return written;
    }

private:
    bool nextBit()
    {
        const bool bit = static_cast<uchar>(payload[at / 8]) >> (7 - at % 8) & 1;
        ++at;
        return bit;
    }
    void put(bool bit)
    {
        if (used % 8 == 0)
            written.append('\0');
        if (bit)
            written[written.size() - 1] = static_cast<char>(written.back() | 1 << (7 - used % 8));
        ++used;
    }
    quint64 expGolomb(bool kept)
    {
        int zeros = 0;
        while (!nextBit()) {
            ++zeros;
            if (kept)
                put(false);
        }
        quint64 value = 1;
        if (kept)
            put(true);
        for (int i = 0; i < zeros; ++i) {
            const bool bit = nextBit();
            value = value << 1 | bit;
            if (kept)
                put(bit);
        }
        return value - 1;
    }

    QByteArray payload;
    qint64 at = 0;
    QByteArray written;
    qint64 used = 0;
};

QByteArray setWithLumaBits(const QByteArray& unit, int lumaBits)
{
    BitCopy bits(withoutEmulationPrevention(unit.mid(unitHeaderBytes)));
    bits.copy(4);
    const auto subLayers = static_cast<int>(bits.copy(3));
    bits.copy(1);
    bits.copy(profileBits);
    std::vector<std::pair<bool, bool>> present;
    for (int i = 0; i < subLayers; ++i)
        present.emplace_back(bits.copy(1), bits.copy(1));
    if (subLayers > 0)
        bits.copy(2 * (8 - subLayers));
    for (const auto& [profile, level] : present)
        bits.copy((profile ? subLayerProfileBits : 0) + (level ? subLayerLevelBits : 0));
    bits.copyExpGolomb();
    if (bits.copyExpGolomb() == 3)
        bits.copy(1);
    bits.copyExpGolomb();
    bits.copyExpGolomb();
    if (bits.copy(1))
        for (int edge = 0; edge < 4; ++edge)
            bits.copyExpGolomb();
    bits.replaceExpGolomb(static_cast<quint64>(lumaBits - 8));
    return unit.left(unitHeaderBytes) + withEmulationPrevention(bits.rest());
}

quint64 bigEndian(const QByteArray& bytes, qsizetype at, int count)
{
    quint64 value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | static_cast<uchar>(bytes[at + i]);
    return value;
}

} // namespace

QByteArray withLumaBits(const QByteArray& configuration, int lumaBits)
{
    QByteArray rewritten = configuration.left(arraysAt + 1);
    rewritten[lumaDepthAt] = static_cast<char>(0xF8 | (lumaBits - 8));
    qsizetype at = arraysAt + 1;
    for (quint64 array = 0; array < static_cast<uchar>(configuration[arraysAt]); ++array) {
        const int type = configuration[at] & 0x3F;
        const quint64 units = bigEndian(configuration, at + 1, 2);
        rewritten += configuration.mid(at, 3);
        at += 3;
        for (quint64 u = 0; u < units; ++u) {
            const auto length = static_cast<qsizetype>(bigEndian(configuration, at, 2));
            QByteArray unit = configuration.mid(at + 2, length);
            if (type == sequenceParameterSet)
                unit = setWithLumaBits(unit, lumaBits);
            appendBigEndian(rewritten, static_cast<quint64>(unit.size()), 2);
            rewritten += unit;
            at += 2 + length;
        }
    }
    return rewritten;
}

} // namespace pintu::test
