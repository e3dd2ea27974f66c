#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// The same numbers mean a deeper green in Display P3 than in sRGB: shown in
// sRGB, it has less red than the photo stored in sRGB's own primaries. A
// picture this small is a grid of one tile larger than itself.
TEST(HeifPhoto, ComesInSrgbFromTheColoursOfItsCamera)
{
    const QColor green(30, 200, 40);
    const QSize size(40, 30);
    TestFolder folder;
    const QImage photo = quarteredPicture(size, {green, green, green, green});
    const auto seen = [&](bool displayP3) {
        const std::string path =
            folder.writeBytes("photo.heic", heifFile(photo, "heic", {.displayP3 = displayP3})).toStdString();
        const auto part = readPreview(path, size);
        return part ? part->pixelColor(size.width() / 2, size.height() / 2) : QColor();
    };
    const QColor srgb = seen(false);
    const QColor displayP3 = seen(true);
    EXPECT_TRUE(looksLike(srgb, green));
    EXPECT_LT(displayP3.red(), srgb.red() - 10);
    EXPECT_GT(displayP3.green(), srgb.green());
}

// A phone writes its photo as a grid of tiles, the last ones reaching past
// the picture's edge; a part read is decoded from the tiles it reaches into.
TEST(HeifPhoto, GridOfTilesComesOutWholeOrInPart)
{
    const QImage picture = positionPicture(150, 100);
    TestFolder folder;
    const std::string path = folder.writeBytes("grid.heic", heicGrid(picture, QSize(64, 64))).toStdString();
    for (const QSize area : {picture.size(), QSize(100, 70), QSize(40, 30)}) {
        const auto part = readPreview(path, area);
        ASSERT_TRUE(part.has_value());
        ASSERT_EQ(part->size(), area);
        for (const QPoint at : {QPoint(0, 0), QPoint(area.width() - 1, 0), QPoint(area.width() / 2, area.height() / 2),
                                QPoint(area.width() - 1, area.height() - 1)})
            EXPECT_TRUE(looksLike(part->pixelColor(at), picture.pixelColor(at)))
                << area.width() << " x " << area.height() << " at " << at.x() << ", " << at.y();
    }
}

} // namespace
} // namespace pintu::test
