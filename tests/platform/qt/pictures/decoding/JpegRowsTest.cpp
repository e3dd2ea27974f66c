#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct CmykPhoto {
    const char* name;
    QSize size;
};

void PrintTo(const CmykPhoto& photo, std::ostream* out)
{
    *out << photo.name;
}

class EachProgressiveCmykPhoto : public testing::TestWithParam<CmykPhoto> {};

// Wider and taller than the rows of coefficients kept in memory at once, so
// that they go to their file and come back, over every scan.
INSTANTIATE_TEST_SUITE_P(JpegRows, EachProgressiveCmykPhoto,
                         testing::Values(CmykPhoto{"Tall", QSize(48, 700)}, CmykPhoto{"Wide", QSize(900, 320)}),
                         [](const auto& info) { return std::string(info.param.name); });

void expectAlike(const std::optional<QImage>& seen, const std::optional<QImage>& expected, int tolerance)
{
    ASSERT_TRUE(seen && expected);
    ASSERT_EQ(seen->size(), expected->size());
    for (int y = 0; y < seen->height(); ++y) {
        for (int x = 0; x < seen->width(); ++x)
            ASSERT_TRUE(looksLike(seen->pixelColor(x, y), expected->pixelColor(x, y), tolerance)) << x << ", " << y;
    }
}

// The same coefficients as the baseline photo Qt's reader decodes, only in
// scans: the same pixels at the photo's size, and nearly so shrunk.
TEST_P(EachProgressiveCmykPhoto, ReadsAsItsBaselineTwinDoes)
{
    const QImage picture = positionPicture(GetParam().size.width(), GetParam().size.height());
    TestFolder folder;
    const std::string progressive = folder.writeBytes("progressive.jpg", cmykJpeg(picture, true)).toStdString();
    const std::string baseline = folder.writeBytes("baseline.jpg", cmykJpeg(picture, false)).toStdString();
    expectAlike(readPreview(progressive, picture.size()), readPreview(baseline, picture.size()), 1);
    const QSize shrunk = picture.size() / 5;
    expectAlike(readWhole(progressive, shrunk), readWhole(baseline, shrunk), 4);
}

} // namespace
} // namespace pintu::test
