#include "platform/qt/pictures/decoders/CodedSizes.h"

#include <algorithm>
#include <array>
#include <limits>

namespace pintu {

namespace {

// Bits read most significant first; past the end every read fails and
// stays failed, so a parser checks once, at its end.
class BitReader {
public:
    explicit BitReader(QByteArray bytes) : bytes(std::move(bytes)) {}

    quint32 bits(int count)
    {
        quint32 value = 0;
        for (int i = 0; i < count; ++i) {
            if (position >= bytes.size() * qint64{8}) {
                broken = true;
                return 0;
            }
            const auto byte = static_cast<uchar>(bytes[static_cast<qsizetype>(position / 8)]);
            value = value << 1 | ((byte >> (7 - position % 8)) & 1);
            ++position;
        }
        return value;
    }

    void skip(int count)
    {
        position += count;
        broken = broken || position > bytes.size() * qint64{8};
    }

    // HEVC's Exp-Golomb numbers; none of the fields read here needs 32 bits.
    quint32 unsignedExpGolomb()
    {
        int zeros = 0;
        while (!broken && bits(1) == 0)
            if (++zeros > 31)
                broken = true;
        return broken ? 0 : (quint32{1} << zeros) - 1 + bits(zeros);
    }

    // AV1's variable-length numbers, which saturate rather than fail.
    void skipUvlc()
    {
        int zeros = 0;
        while (!broken && bits(1) == 0)
            ++zeros;
        if (zeros < 32)
            skip(zeros);
    }

    bool ok() const { return !broken; }

private:
    QByteArray bytes;
    qint64 position = 0;
    bool broken = false;
};

// An HEVC NAL unit's payload as its parser reads it: an encoder inserts a 3
// after two zero bytes wherever the payload itself could look like a start code.
QByteArray withoutEmulationPrevention(QByteArrayView nal)
{
    QByteArray payload;
    payload.reserve(nal.size());
    int zeros = 0;
    for (const char c : nal) {
        if (zeros >= 2 && c == 3) {
            zeros = 0;
            continue;
        }
        zeros = c == 0 ? zeros + 1 : 0;
        payload.append(c);
    }
    return payload;
}

constexpr int hevcNalHeaderBytes = 2;
constexpr int hevcGeneralProfileBits = 88;
constexpr int hevcLevelBits = 8;
constexpr int hevcMostSubLayers = 8;
constexpr int hevcConfigurationHeaderBytes = 23;
constexpr int av1SequenceHeaderObu = 1;
constexpr int av1MostOperatingPointsBits = 5;

std::optional<QSize> av1LargestFrame(BitReader& bits)
{
    bits.skip(4); // the profile and whether it is a still picture
    if (bits.bits(1) == 1) { // a reduced header, for still pictures
        bits.skip(5);
    } else {
        bool decoderModel = false;
        int bufferDelayBits = 0;
        if (bits.bits(1) == 1) { // timing info
            bits.skip(64);
            if (bits.bits(1) == 1)
                bits.skipUvlc();
            decoderModel = bits.bits(1) == 1;
            if (decoderModel) {
                bufferDelayBits = static_cast<int>(bits.bits(5)) + 1;
                bits.skip(32 + 5 + 5);
            }
        }
        const bool displayDelay = bits.bits(1) == 1;
        const int operatingPoints = static_cast<int>(bits.bits(av1MostOperatingPointsBits)) + 1;
        for (int i = 0; bits.ok() && i < operatingPoints; ++i) {
            bits.skip(12);
            if (bits.bits(5) > 7)
                bits.skip(1);
            if (decoderModel && bits.bits(1) == 1)
                bits.skip(2 * bufferDelayBits + 1);
            if (displayDelay && bits.bits(1) == 1)
                bits.skip(4);
        }
    }
    const int widthBits = static_cast<int>(bits.bits(4)) + 1;
    const int heightBits = static_cast<int>(bits.bits(4)) + 1;
    const qint64 width = qint64{bits.bits(widthBits)} + 1;
    const qint64 height = qint64{bits.bits(heightBits)} + 1;
    if (!bits.ok() || width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max())
        return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

// The largest frame a sequence header allows, where one was found.
using FoundFrame = std::optional<QSize>;

// The first sequence header among `obus`: nothing when it is broken, no
// frame when there is none.
std::optional<FoundFrame> av1ConfiguredFrame(QByteArrayView obus)
{
    while (!obus.isEmpty()) {
        const auto header = static_cast<uchar>(obus[0]);
        const int type = header >> 3 & 0xF;
        const bool sized = header & 0x2;
        qsizetype at = (header & 0x4) ? 2 : 1;
        // An OBU without its size runs to the end.
        quint64 size = sized ? 0 : static_cast<quint64>(std::max<qsizetype>(obus.size() - at, 0));
        for (int shift = 0; sized; shift += 7) {
            if (shift > 56)
                return std::nullopt;
            if (at >= obus.size()) // past what was read of a picture's data
                return FoundFrame();
            const auto byte = static_cast<uchar>(obus[at++]);
            size |= quint64{byte & 0x7Fu} << shift;
            if (!(byte & 0x80))
                break;
        }
        if (size > static_cast<quint64>(std::max<qsizetype>(obus.size() - at, 0))) {
            if (type == av1SequenceHeaderObu)
                return std::nullopt;
            return FoundFrame();
        }
        if (type == av1SequenceHeaderObu) {
            BitReader bits(obus.sliced(at, static_cast<qsizetype>(size)).toByteArray());
            const auto frame = av1LargestFrame(bits);
            if (!frame)
                return std::nullopt;
            return FoundFrame(*frame);
        }
        obus = obus.sliced(at + static_cast<qsizetype>(size));
    }
    return FoundFrame();
}

} // namespace

SampleFormat sampleFormat(int chromaFormat, int bits)
{
    return {bits, chromaFormat == 1 || chromaFormat == 2 ? 1 : 0, chromaFormat == 1 ? 1 : 0, chromaFormat == 0};
}

qint64 SampleFormat::planeBytes(qint64 pixels) const
{
    const qint64 chroma = monochrome ? 0 : 2 * (pixels >> (chromaShiftX + chromaShiftY));
    return (pixels + chroma) * (bits > 8 ? 2 : 1);
}

std::optional<HevcConfiguration> readHevcConfiguration(QByteArrayView hvcC)
{
    if (hvcC.size() < hevcConfigurationHeaderBytes)
        return std::nullopt;
    const auto byte = [&hvcC](qsizetype at) { return static_cast<uchar>(hvcC[at]); };
    HevcConfiguration configuration;
    configuration.format = sampleFormat(byte(16) & 3, (byte(17) & 7) + 8);
    configuration.lengthBytes = (byte(21) & 3) + 1;
    const int arrays = byte(22);
    qsizetype at = hevcConfigurationHeaderBytes;
    for (int array = 0; array < arrays; ++array) {
        if (at + 3 > hvcC.size())
            return std::nullopt;
        const int count = byte(at + 1) << 8 | byte(at + 2);
        at += 3;
        for (int i = 0; i < count; ++i) {
            if (at + 2 > hvcC.size())
                return std::nullopt;
            const int length = byte(at) << 8 | byte(at + 1);
            if (at + 2 + length > hvcC.size())
                return std::nullopt;
            configuration.parameterSets.push_back(hvcC.sliced(at + 2, length).toByteArray());
            at += 2 + length;
        }
    }
    return configuration;
}

int hevcNalType(QByteArrayView nal)
{
    return nal.size() < hevcNalHeaderBytes ? -1 : static_cast<uchar>(nal[0]) >> 1 & 0x3F;
}

std::optional<QSize> hevcCodedSize(QByteArrayView nal)
{
    if (hevcNalType(nal) != hevcSequenceParameterSet)
        return std::nullopt;
    BitReader bits(withoutEmulationPrevention(nal.sliced(hevcNalHeaderBytes)));
    bits.skip(4); // the video parameter set's number
    const int subLayers = static_cast<int>(bits.bits(3));
    bits.skip(1 + hevcGeneralProfileBits + hevcLevelBits);
    std::array<bool, hevcMostSubLayers> profilePresent{};
    std::array<bool, hevcMostSubLayers> levelPresent{};
    for (int i = 0; i < subLayers; ++i) {
        profilePresent[static_cast<size_t>(i)] = bits.bits(1) == 1;
        levelPresent[static_cast<size_t>(i)] = bits.bits(1) == 1;
    }
    if (subLayers > 0)
        bits.skip(2 * (hevcMostSubLayers - subLayers));
    for (int i = 0; i < subLayers; ++i)
        bits.skip((profilePresent[static_cast<size_t>(i)] ? hevcGeneralProfileBits : 0) +
                  (levelPresent[static_cast<size_t>(i)] ? hevcLevelBits : 0));
    bits.unsignedExpGolomb(); // the set's own number
    if (bits.unsignedExpGolomb() == 3) // 4:4:4, whose planes may be coded apart
        bits.skip(1);
    const quint32 width = bits.unsignedExpGolomb();
    const quint32 height = bits.unsignedExpGolomb();
    constexpr quint32 widest = std::numeric_limits<int>::max();
    if (!bits.ok() || width == 0 || height == 0 || width > widest || height > widest)
        return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

std::optional<Av1Configuration> readAv1Configuration(QByteArrayView av1C, QByteArrayView dataStart)
{
    if (av1C.size() < av1ConfigurationHeaderBytes || static_cast<uchar>(av1C[0]) != 0x81)
        return std::nullopt;
    const auto flags = static_cast<uchar>(av1C[2]);
    const bool high = flags & 0x40;
    const int bits = !high ? 8 : (flags & 0x20) ? 12 : 10;
    const bool monochrome = flags & 0x10;
    const int shiftX = flags >> 3 & 1;
    const int shiftY = flags >> 2 & 1;
    auto frame = av1ConfiguredFrame(av1C.sliced(av1ConfigurationHeaderBytes));
    if (frame && !*frame)
        frame = av1ConfiguredFrame(dataStart);
    if (!frame)
        return std::nullopt;
    return Av1Configuration{{bits, monochrome ? 0 : shiftX, monochrome ? 0 : shiftY, monochrome}, *frame};
}

} // namespace pintu
