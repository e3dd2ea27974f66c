#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace pintu::test {
namespace {

TEST(PictureLoading, RefusesWhatIsNoReadablePicture)
{
    TestFolder folder;
    EXPECT_FALSE(loadPicture(folder.filePath("missing.bmp").toStdString()).has_value());
    EXPECT_FALSE(loadPicture(folder.path().toStdString()).has_value());
    EXPECT_FALSE(loadPicture("").has_value());
    const QString pipe = folder.filePath("pipe.bmp"); // no writer ever comes: a read would wait for ever
    ASSERT_EQ(::mkfifo(pipe.toUtf8().constData(), 0600), 0);
    EXPECT_FALSE(loadPicture(pipe.toStdString()).has_value());
    EXPECT_FALSE(loadPicture(folder.writeBytes("text.bmp", "hello, not a bitmap").toStdString()).has_value());
    EXPECT_FALSE(loadPicture(folder.writeBytes("empty.bmp", "").toStdString()).has_value());
    EXPECT_FALSE(
        loadPicture(folder.writeBytes("huge.bmp", bitmapClaiming(200000, 200000, 64)).toStdString()).has_value());
    EXPECT_FALSE(loadPicture(folder.writeBytes("negative.bmp", bitmapClaiming(-5, 10, 64)).toStdString()).has_value());
    EXPECT_TRUE(loadPicture(folder.writeBytes("small.bmp", bitmapClaiming(4, 2, 16)).toStdString()).has_value());
}

TEST(PictureLoading, TakesALargePhoto)
{
    TestFolder folder;
    const QString path = folder.writeBytes("photo.bmp", bitmapClaiming(8000, 6000, 8000 * 3 * 6000));
    const auto picture = loadPicture(path.toStdString());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(8000, 6000));
}

TEST(CellSource, CutsRowByRowAndScalesEachCellToTheTile)
{
    TestFolder folder;
    const QString path = folder.writeBitmap("p.bmp", positionPicture(300, 200));
    TestCells cells(3, QSize(50, 40));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    for (int k = 0; k < 9; ++k) {
        // The same tile, asked twice, is the same picture.
        EXPECT_EQ(cells.tile(k).cacheKey(), cells.tile(k).cacheKey());
        const QImage cell = cells.tile(k).toImage();
        ASSERT_EQ(cell.size(), QSize(50, 40));
        EXPECT_TRUE(looksLike(cell.pixelColor(25, 20), cellCentreColour(k, 3))) << "cell " << k;
    }
    EXPECT_NE(cells.tile(0).cacheKey(), cells.tile(1).cacheKey());
    EXPECT_TRUE(cells.tile(9).isNull());

    // A failed picture leaves the cells as they were.
    EXPECT_FALSE(cells.setPicture(folder.filePath("missing.bmp").toStdString()));
    EXPECT_FALSE(cells.tile(8).isNull());
}

TEST(CellSource, CutsAPictureSmallerThanTheGrid)
{
    TestFolder folder;
    const QString path = folder.writeBitmap("tiny.bmp", positionPicture(2, 1));
    TestCells cells(5, QSize(20, 20));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    for (int k = 0; k < 25; ++k)
        EXPECT_EQ(cells.tile(k).size(), QSize(20, 20));
}

} // namespace
} // namespace pintu::test
