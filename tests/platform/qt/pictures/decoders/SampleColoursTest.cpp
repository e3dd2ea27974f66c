#include "platform/qt/pictures/decoders/SampleColours.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pintu::test {
namespace {

// How a photo's samples were made from its colours: the luma weights of red
// and blue its standard gives (none for the identity, which stores G, B, R
// as they are), full or video range, and the bits a sample.
struct Encoding {
    const char* name;
    int matrix;
    double red;
    double blue;
    bool fullRange;
    int bits;
    bool monochrome = false;
};

void PrintTo(const Encoding& encoding, std::ostream* out)
{
    *out << encoding.name;
}

const std::vector<QColor> colours{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 255),
                                  QColor(0, 0, 0),   QColor(255, 128, 0), QColor(40, 90, 200)};

// One pixel a colour, in planes of 4:4:4 samples.
struct Samples {
    std::vector<quint16> planes[3];
    Planes view;
};

int quantised(double value, bool chroma, const Encoding& e)
{
    const double most = std::ldexp(1, e.bits) - 1;
    const double depth = std::ldexp(1, e.bits - 8);
    const double level = !e.fullRange ? (chroma ? 224 * value + 128 : 219 * value + 16) * depth
                                      : value * most + (chroma ? std::ldexp(1, e.bits - 1) : 0);
    return static_cast<int>(std::clamp(std::lround(level), 0L, static_cast<long>(most)));
}

void encode(const Encoding& e, Samples& samples)
{
    for (const QColor& colour : colours) {
        const double r = colour.redF();
        const double g = colour.greenF();
        const double b = colour.blueF();
        double y = g;
        double cb = b;
        double cr = r;
        if (e.monochrome || e.matrix != 0) {
            y = e.monochrome ? r : e.red * r + (1 - e.red - e.blue) * g + e.blue * b;
            cb = (b - y) / (2 * (1 - e.blue));
            cr = (r - y) / (2 * (1 - e.red));
        }
        const bool identity = e.matrix == 0 && !e.monochrome;
        samples.planes[0].push_back(static_cast<quint16>(quantised(y, false, e)));
        samples.planes[1].push_back(static_cast<quint16>(identity ? quantised(cb, false, e) : quantised(cb, true, e)));
        samples.planes[2].push_back(static_cast<quint16>(identity ? quantised(cr, false, e) : quantised(cr, true, e)));
    }
    samples.view.size = QSize(static_cast<int>(colours.size()), 1);
    samples.view.format = SampleFormat{e.bits, 0, 0, e.monochrome};
    for (size_t p = 0; p < 3; ++p) {
        if (e.bits == 8) { // one byte a sample
            auto* bytes = reinterpret_cast<uchar*>(samples.planes[p].data());
            for (size_t i = 0; i < samples.planes[p].size(); ++i)
                bytes[i] = static_cast<uchar>(samples.planes[p][i]);
        }
        samples.view.rows[p] = reinterpret_cast<const uchar*>(samples.planes[p].data());
        samples.view.strides[p] = static_cast<qsizetype>(samples.planes[p].size() * sizeof(quint16));
    }
}

class EachEncoding : public testing::TestWithParam<Encoding> {};

// Each colour comes back as it was, within the steps its samples round to.
TEST_P(EachEncoding, GivesBackTheColours)
{
    const Encoding& e = GetParam();
    Samples samples;
    encode(e, samples);
    const SampleColours converter({e.matrix, e.fullRange}, samples.view.format);
    std::vector<uchar> rgba(colours.size() * 4);
    converter.convert(samples.view, 0, nullptr, 0, 0, samples.view.size.width(), rgba.data());
    for (size_t i = 0; i < colours.size(); ++i) {
        const QColor expected = e.monochrome ? QColor(colours[i].red(), colours[i].red(), colours[i].red()) : colours[i];
        const QColor seen(rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]);
        EXPECT_LE(std::abs(seen.red() - expected.red()), 2) << expected.name().toStdString();
        EXPECT_LE(std::abs(seen.green() - expected.green()), 2) << expected.name().toStdString();
        EXPECT_LE(std::abs(seen.blue() - expected.blue()), 2) << expected.name().toStdString();
        EXPECT_EQ(seen.alpha(), 255);
    }
}

INSTANTIATE_TEST_SUITE_P(SampleColours, EachEncoding,
                         testing::Values(Encoding{"Bt601FullRange", 6, 0.299, 0.114, true, 8},
                                         Encoding{"Bt601VideoRange", 5, 0.299, 0.114, false, 8},
                                         Encoding{"Bt709VideoRange", 1, 0.2126, 0.0722, false, 8},
                                         Encoding{"Bt2020TenBits", 9, 0.2627, 0.0593, true, 10},
                                         Encoding{"UnspecifiedAsBt601", 2, 0.299, 0.114, false, 10},
                                         Encoding{"IdentityTwelveBits", 0, 0, 0, true, 12},
                                         Encoding{"Monochrome", 6, 0.299, 0.114, true, 8, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// An alpha plane of its own depth gives 8-bit alpha beside the colours.
TEST(SampleColours, TakesAlphaFromItsOwnPlane)
{
    const Encoding e{"Bt601", 6, 0.299, 0.114, true, 8};
    Samples samples;
    encode(e, samples);
    std::vector<quint16> opacity(colours.size());
    for (size_t i = 0; i < opacity.size(); ++i)
        opacity[i] = static_cast<quint16>(i * 1023 / (opacity.size() - 1));
    const Planes alpha{samples.view.size, SampleFormat{10, 0, 0, true},
                       {reinterpret_cast<const uchar*>(opacity.data())},
                       {static_cast<qsizetype>(opacity.size() * sizeof(quint16))}};
    const SampleColours converter({e.matrix, e.fullRange}, samples.view.format);
    std::vector<uchar> rgba(colours.size() * 4);
    converter.convert(samples.view, 0, &alpha, 0, 0, samples.view.size.width(), rgba.data());
    for (size_t i = 0; i < colours.size(); ++i)
        EXPECT_EQ(rgba[4 * i + 3], opacity[i] >> 2) << i;
}

} // namespace
} // namespace pintu::test
