#include "app/look/BoardLayouts.h"
#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/QtCellSource.h"
#include "tests/support/HostilePictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {

void PrintTo(const HostilePicture& picture, std::ostream* out)
{
    *out << picture.name;
}

namespace {

class EachHostilePicture : public testing::TestWithParam<HostilePicture> {};

INSTANTIATE_TEST_SUITE_P(Claims, EachHostilePicture, testing::ValuesIn(hostilePictures()), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

// Refused from its header before any decoder allocates what it claims, or
// read as it claims in every read a board makes; never read in part.
TEST_P(EachHostilePicture, IsRefusedFromItsHeaderOrPlays)
{
    const HostilePicture& picture = GetParam();
    TestFolder folder;
    const QString path = folder.writeBytes(QString("claim.") + picture.extension, picture.bytes());
    const auto header = probePicture(path.toStdString());
    ASSERT_EQ(header.has_value(), picture.fits);

    const QSize window(640, 480);
    const QSize board(300, 300);
    const auto part = readPicturePart(path.toStdString(), window);
    const auto cut = readPictureForSize(path.toStdString(), board);
    QtCellSource cells(3, board / 3);
    EXPECT_EQ(cells.setPicture(path.toStdString()), picture.fits);
    if (!picture.fits) {
        EXPECT_FALSE(part.has_value());
        EXPECT_FALSE(cut.has_value());
        return;
    }
    ASSERT_TRUE(part && cut);
    EXPECT_EQ(part->size(), header->size.boundedTo(window));
    EXPECT_EQ(cut->size(), header->shrinksWhileDecoding ? board : header->size);
}

// The most a real photo asks of the budget: 50 megapixels stored
// progressive, three components at full resolution, on the board that cuts
// the most pixels.
TEST(PictureBudget, PlaysAFiftyMegapixelProgressivePhoto)
{
    constexpr QSize fiftyMegapixels(8660, 5773);
    const BoardLayout& largest = boardLayout(LayoutSet::B, 3);
    TestFolder folder;
    const QString path = folder.writeBytes("photo.jpg", flatJpeg(fiftyMegapixels, 3, true));
    const auto header = probePicture(path.toStdString());
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, fiftyMegapixels);
    const QSize window = pixels(largest.client);
    const auto preview = readPicturePart(path.toStdString(), window);
    ASSERT_TRUE(preview.has_value());
    EXPECT_EQ(preview->size(), window);
    QtCellSource cells(largest.size->side, QSize(pixels(largest.columns.length(0)), pixels(largest.rows.length(0))));
    cells.setDevicePixelRatio(2);
    EXPECT_TRUE(cells.setPicture(path.toStdString()));
}

} // namespace
} // namespace pintu::test
