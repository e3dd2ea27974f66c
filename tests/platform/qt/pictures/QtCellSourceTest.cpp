#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {
namespace {

TEST(CellSource, AtRatioOneCutsAndScalesEachCellOfAPlainPicture)
{
    TestFolder folder;
    const QImage picture = positionPicture(10, 7).convertToFormat(QImage::Format_RGB32);
    const QString path = folder.writeBitmap("p.bmp", picture);
    // Cell edges round down, so the last column and row take what is left.
    constexpr int columns[] = {0, 3, 6, 10};
    constexpr int rows[] = {0, 2, 4, 7};
    TestCells cells(3, QSize(8, 8));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    for (int k = 0; k < 9; ++k) {
        const QRect span(QPoint(columns[k % 3], rows[k / 3]), QPoint(columns[k % 3 + 1] - 1, rows[k / 3 + 1] - 1));
        const QImage expected = picture.copy(span).scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QPixmap cell = cells.tile(k);
        EXPECT_EQ(cell.devicePixelRatio(), 1.0);
        EXPECT_EQ(cell.toImage().convertToFormat(expected.format()), expected) << "cell " << k;
    }
}

// Columns alternating four black and four white, 1600 pixels square.
QImage stripes()
{
    QImage image(1600, 1600, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = x / 4 % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

// How far the grey levels along the middle row of a cell spread.
int contrast(const QImage& cell)
{
    int darkest = 255;
    int lightest = 0;
    for (int x = 4; x < cell.width() - 4; ++x) {
        const int grey = qGray(cell.pixel(x, cell.height() / 2));
        darkest = std::min(darkest, grey);
        lightest = std::max(lightest, grey);
    }
    return lightest - darkest;
}

class EachStripedPicture : public testing::TestWithParam<const char*> {};

// A board of 2 x 2 tiles of 100 x 100 cuts 800 picture pixels per tile: at
// ratio 2 a device pixel covers half a stripe pair, at ratio 1 all of it.
TEST_P(EachStripedPicture, AtRatioTwoKeepsDetailThatRatioOneBlurs)
{
    TestFolder folder;
    const QString path = folder.writeBytes(QString("stripes.") + GetParam(), pictureFile(stripes(), GetParam()));
    TestCells cells(2, QSize(100, 100));

    cells.setDevicePixelRatio(2);
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    const QPixmap sharp = cells.tile(0);
    EXPECT_EQ(sharp.size(), QSize(200, 200));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(100, 100));
    EXPECT_GT(contrast(sharp.toImage()), 180);

    cells.setDevicePixelRatio(1);
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    const QPixmap plain = cells.tile(0);
    EXPECT_EQ(plain.size(), QSize(100, 100));
    EXPECT_LT(contrast(plain.toImage()), 40);
}

INSTANTIATE_TEST_SUITE_P(CellSource, EachStripedPicture, testing::Values("bmp", "jpeg"),
                         [](const auto& format) { return std::string(format.param); });

TEST(CellSource, AtAFractionalRatioRoundsTheDevicePixels)
{
    TestFolder folder;
    const QString path = folder.writeBitmap("p.bmp", positionPicture(300, 200));
    TestCells cells(3, QSize(65, 41));
    cells.setDevicePixelRatio(1.5);
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    const QPixmap cell = cells.tile(4);
    EXPECT_EQ(cell.size(), QSize(98, 62));
    EXPECT_EQ(cell.devicePixelRatio(), 1.5);
    EXPECT_TRUE(looksLike(cell.toImage().pixelColor(49, 31), cellCentreColour(4, 3)));
}

} // namespace
} // namespace pintu::test
