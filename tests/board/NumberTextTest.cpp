#include "board/NumberText.h"
#include "board/PicturePath.h"

#include <gtest/gtest.h>

namespace pintu {
namespace {

using std::chrono::milliseconds;

TEST(ClockText, ShowsTheSecondsRoundedUpToTheNextTenth)
{
    const auto shown = [](milliseconds elapsed) { return plainTenths(elapsedTenths(elapsed)); };
    EXPECT_EQ(shown(milliseconds(0)), "0");
    EXPECT_EQ(shown(milliseconds(1)), "0.1");
    EXPECT_EQ(shown(milliseconds(100)), "0.1");
    EXPECT_EQ(shown(milliseconds(101)), "0.2");
    EXPECT_EQ(shown(milliseconds(12250)), "12.3");
    EXPECT_EQ(shown(milliseconds(12300)), "12.3");
    EXPECT_EQ(shown(milliseconds(12340)), "12.4");
    EXPECT_EQ(shown(milliseconds(60000)), "60");
    EXPECT_EQ(shown(milliseconds(61000)), "61");
    EXPECT_EQ(shown(std::chrono::hours(30)), "108000");
    EXPECT_EQ(elapsedTenths(std::chrono::nanoseconds(1)), 1);
}

TEST(FileNumbers, HaveALeadingSpaceAndNoZeroBeforeThePoint)
{
    EXPECT_EQ(fileNumber(57), " 57");
    EXPECT_EQ(fileNumber(0), " 0");
    EXPECT_EQ(fileNumber(40000), " 40000");
    EXPECT_EQ(fileTenths(124), " 12.4");
    EXPECT_EQ(fileTenths(125), " 12.5");
    EXPECT_EQ(fileTenths(600), " 60");
    EXPECT_EQ(fileTenths(1), " .1");
    EXPECT_EQ(fileTenths(0), " 0");
    EXPECT_EQ(fileTenths(863800), " 86380");
}

TEST(PicturePath, PutsOneSeparatorBetweenFolderAndFile)
{
    EXPECT_EQ(picturePath("/home/ann/pics", "A.BMP"), "/home/ann/pics/A.BMP");
    EXPECT_EQ(picturePath("/", "A.BMP"), "/A.BMP");
    EXPECT_EQ(picturePath("/media/usb/", "a.bmp"), "/media/usb/a.bmp");
}

} // namespace
} // namespace pintu
