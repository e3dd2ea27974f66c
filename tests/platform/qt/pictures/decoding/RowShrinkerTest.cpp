#include "platform/qt/pictures/decoding/RowShrinker.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct Shrink {
    const char* name;
    QSize rows;
    QRect part;
    QSize size;
    int tolerance; // 0 where no pixel is averaged
};

void PrintTo(const Shrink& shrink, std::ostream* out)
{
    *out << shrink.name;
}

class EachShrink : public testing::TestWithParam<Shrink> {};

INSTANTIATE_TEST_SUITE_P(
    RowShrinker, EachShrink,
    testing::Values(Shrink{"WholeAtItsOwnSize", QSize(40, 30), QRect(0, 0, 40, 30), QSize(40, 30), 0},
                    Shrink{"PartAtItsOwnSize", QSize(40, 30), QRect(5, 7, 30, 20), QSize(30, 20), 0},
                    Shrink{"ByWholeSquares", QSize(120, 80), QRect(0, 0, 120, 80), QSize(30, 20), 2},
                    Shrink{"ByAFraction", QSize(100, 70), QRect(0, 0, 100, 70), QSize(30, 20), 2},
                    Shrink{"PartByWholeSquares", QSize(200, 100), QRect(20, 10, 90, 60), QSize(30, 20), 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Fed the rows of a picture whose every pixel tells where it lies, it gives
// what Qt's own smooth scale gives of the part, and asks for no row below it.
TEST_P(EachShrink, GivesThePartAtItsSizeFromTheRowsItNeeds)
{
    const Shrink& shrink = GetParam();
    const QImage picture = positionPicture(shrink.rows.width(), shrink.rows.height()).convertToFormat(QImage::Format_RGBA8888);
    RowShrinker rows(shrink.rows, shrink.part, shrink.size);
    int handed = 0;
    while (handed < picture.height() && rows.take(handed, picture.constScanLine(handed))) {
        ++handed;
    }
    ++handed;
    EXPECT_EQ(handed, shrink.part.bottom() + 1);
    const auto shrunk = rows.result();
    ASSERT_TRUE(shrunk.has_value());
    ASSERT_EQ(shrunk->size(), shrink.size);
    const QImage expected =
        picture.copy(shrink.part).scaled(shrink.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < shrink.size.height(); ++y) {
        for (int x = 0; x < shrink.size.width(); ++x)
            ASSERT_TRUE(looksLike(shrunk->pixelColor(x, y), expected.pixelColor(x, y), shrink.tolerance))
                << x << ", " << y;
    }
}

TEST(RowShrinker, GivesNothingWhenRowsOfThePartAreMissing)
{
    const QImage picture = positionPicture(40, 30).convertToFormat(QImage::Format_RGBA8888);
    RowShrinker rows(picture.size(), picture.rect(), QSize(20, 15));
    for (int y = 0; y < picture.height() - 1; ++y)
        rows.take(y, picture.constScanLine(y));
    EXPECT_FALSE(rows.result().has_value());
    // A row skipped can never be made up for.
    RowShrinker skipping(picture.size(), picture.rect(), QSize(20, 15));
    for (int y = 0; y < picture.height(); y += y == 10 ? 2 : 1)
        skipping.take(y, picture.constScanLine(y));
    EXPECT_FALSE(skipping.result().has_value());
}

} // namespace
} // namespace pintu::test
