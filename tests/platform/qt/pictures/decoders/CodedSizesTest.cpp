#include "platform/qt/pictures/decoders/CodedSizes.h"

#include <gtest/gtest.h>

#include <functional>

namespace pintu::test {
namespace {

// Bits written most significant first, as both codecs' headers hold them.
class BitWriter {
public:
    BitWriter& bits(quint64 value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            // A run longer than the value's 64 bits is zeros above them.
            const quint64 bit = i < 64 ? value >> i & 1 : 0;
            current = static_cast<uchar>(current << 1 | bit);
            if (++used == 8)
                flush();
        }
        return *this;
    }
    BitWriter& expGolomb(quint32 value)
    {
        const quint64 coded = quint64{value} + 1;
        int length = 0;
        while (coded >> (length + 1))
            ++length;
        return bits(0, length).bits(coded, length + 1);
    }
    // Ended by a one and zeros to the byte, as a header's trailing bits.
    QByteArray bytes()
    {
        bits(1, 1);
        while (used != 0)
            bits(0, 1);
        return written;
    }

private:
    void flush()
    {
        written.append(static_cast<char>(current));
        current = 0;
        used = 0;
    }
    QByteArray written;
    uchar current = 0;
    int used = 0;
};

// An encoder puts a 3 after two zero bytes where the next is 3 or less.
QByteArray withEmulationPrevention(const QByteArray& payload)
{
    QByteArray nal;
    int zeros = 0;
    for (const char c : payload) {
        if (zeros >= 2 && static_cast<uchar>(c) <= 3) {
            nal.append('\3');
            zeros = 0;
        }
        zeros = c == 0 ? zeros + 1 : 0;
        nal.append(c);
    }
    return nal;
}

struct HevcSet {
    int subLayers = 0;
    bool subLayerProfiles = false;
    int chromaFormat = 1;
    QSize size;
    int nalType = hevcSequenceParameterSet;
    bool cut = false;
};

// A sequence parameter set, its profile and level all zeros as a file's
// often are, which needs emulation prevention bytes.
QByteArray hevcSet(const HevcSet& set)
{
    BitWriter bits;
    bits.bits(0, 4).bits(static_cast<quint64>(set.subLayers), 3).bits(1, 1).bits(0, 88).bits(0, 8);
    for (int i = 0; i < set.subLayers; ++i)
        bits.bits(set.subLayerProfiles, 1).bits(1, 1);
    if (set.subLayers > 0)
        bits.bits(0, 2 * (8 - set.subLayers));
    for (int i = 0; i < set.subLayers; ++i)
        bits.bits(0, set.subLayerProfiles ? 88 + 8 : 8);
    bits.expGolomb(0).expGolomb(static_cast<quint32>(set.chromaFormat));
    if (set.chromaFormat == 3)
        bits.bits(0, 1);
    bits.expGolomb(static_cast<quint32>(set.size.width()));
    if (!set.cut)
        bits.expGolomb(static_cast<quint32>(set.size.height())).expGolomb(0);
    QByteArray header(1, static_cast<char>(set.nalType << 1));
    header.append('\1');
    return header + withEmulationPrevention(bits.bytes());
}

struct HevcCase {
    const char* name;
    HevcSet set;
    std::optional<QSize> coded;
};

void PrintTo(const HevcCase& c, std::ostream* out)
{
    *out << c.name;
}

class EachHevcSet : public testing::TestWithParam<HevcCase> {};

TEST_P(EachHevcSet, TellsTheSizeItsDecoderAllocates)
{
    EXPECT_EQ(hevcCodedSize(hevcSet(GetParam().set)), GetParam().coded);
}

INSTANTIATE_TEST_SUITE_P(
    CodedSizes, EachHevcSet,
    testing::Values(HevcCase{"PhoneTile", {.size = QSize(512, 512)}, QSize(512, 512)},
                    HevcCase{"OneFrameOf50Megapixels", {.size = QSize(8664, 5776)}, QSize(8664, 5776)},
                    HevcCase{"TemporalLayersWithLevels", {.subLayers = 2, .size = QSize(4032, 3024)}, QSize(4032, 3024)},
                    HevcCase{"TemporalLayersWithProfiles",
                             {.subLayers = 6, .subLayerProfiles = true, .size = QSize(1920, 1088)},
                             QSize(1920, 1088)},
                    HevcCase{"PlanesCodedApart", {.chromaFormat = 3, .size = QSize(640, 480)}, QSize(640, 480)},
                    HevcCase{"CutShort", {.size = QSize(65535, 65535), .cut = true}, std::nullopt},
                    HevcCase{"PictureParameterSet", {.size = QSize(64, 64), .nalType = 34}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct Av1Header {
    bool reduced = false;
    bool timing = false;
    bool decoderModel = false;
    int operatingPoints = 1;
    QSize size;
};

QByteArray av1Header(const Av1Header& header)
{
    BitWriter bits;
    bits.bits(0, 3).bits(1, 1).bits(header.reduced, 1);
    if (header.reduced) {
        bits.bits(31, 5);
    } else {
        bits.bits(header.timing, 1);
        if (header.timing) {
            bits.bits(1, 32).bits(30, 32).bits(1, 1).bits(0b00101, 5); // a variable-length number
            bits.bits(header.decoderModel, 1);
            if (header.decoderModel)
                bits.bits(9, 5).bits(1, 32).bits(4, 5).bits(4, 5);
        }
        bits.bits(1, 1).bits(static_cast<quint64>(header.operatingPoints - 1), 5);
        for (int i = 0; i < header.operatingPoints; ++i) {
            bits.bits(0x101, 12).bits(i == 0 ? 13 : 5, 5);
            if (i == 0)
                bits.bits(1, 1); // the tier of a level above 7
            if (header.decoderModel)
                bits.bits(1, 1).bits(0, 10).bits(0, 10).bits(0, 1);
            bits.bits(1, 1).bits(3, 4);
        }
    }
    bits.bits(15, 4).bits(15, 4);
    bits.bits(static_cast<quint64>(header.size.width() - 1), 16).bits(static_cast<quint64>(header.size.height() - 1), 16);
    return bits.bytes();
}

QByteArray obu(int type, const QByteArray& payload, bool sized = true)
{
    QByteArray bytes(1, static_cast<char>(type << 3 | (sized ? 2 : 0)));
    if (sized)
        bytes.append(static_cast<char>(payload.size())); // all here are shorter than 128 bytes
    return bytes + payload;
}

constexpr int sequenceHeader = 1;
constexpr int temporalDelimiter = 2;

// 10 bits, 4:2:0.
QByteArray av1Configuration(const QByteArray& obus)
{
    return QByteArray("\x81\x00\x4C\x00", 4) + obus;
}

struct Av1Case {
    const char* name;
    QByteArray configuration;
    QByteArray dataStart;
    bool read;
    std::optional<QSize> largest;
};

void PrintTo(const Av1Case& c, std::ostream* out)
{
    *out << c.name;
}

class EachAv1Configuration : public testing::TestWithParam<Av1Case> {};

TEST_P(EachAv1Configuration, TellsTheLargestFrameItsDecoderAllows)
{
    const Av1Case& c = GetParam();
    const auto configuration = readAv1Configuration(c.configuration, c.dataStart);
    ASSERT_EQ(configuration.has_value(), c.read);
    if (!configuration)
        return;
    EXPECT_EQ(configuration->largestFrame, c.largest);
    EXPECT_EQ(configuration->format, (SampleFormat{10, 1, 1, false}));
}

const QSize av1Size(4000, 3000);

INSTANTIATE_TEST_SUITE_P(
    CodedSizes, EachAv1Configuration,
    testing::Values(
        Av1Case{"ReducedStillHeader", av1Configuration(obu(sequenceHeader, av1Header({.reduced = true, .size = av1Size}))),
                {}, true, av1Size},
        Av1Case{"TimingAndDecoderModel",
                av1Configuration(obu(sequenceHeader, av1Header({.timing = true, .decoderModel = true, .operatingPoints = 2,
                                                                .size = av1Size}))),
                {}, true, av1Size},
        Av1Case{"HeaderWithoutItsSize",
                av1Configuration(obu(sequenceHeader, av1Header({.operatingPoints = 3, .size = av1Size}), false)), {},
                true, av1Size},
        Av1Case{"HeaderInThePicturesData", av1Configuration({}),
                obu(temporalDelimiter, {}) + obu(sequenceHeader, av1Header({.size = av1Size})), true, av1Size},
        Av1Case{"NoHeaderAnywhere", av1Configuration({}), obu(temporalDelimiter, {}), true, std::nullopt},
        Av1Case{"HeaderCutShort", av1Configuration(obu(sequenceHeader, av1Header({.size = av1Size})).chopped(3)), {},
                false, std::nullopt},
        Av1Case{"NotAnAv1Configuration", QByteArray("\x01\x00\x4C\x00", 4), {}, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pintu::test
