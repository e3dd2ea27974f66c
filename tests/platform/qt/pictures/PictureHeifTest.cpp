#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/QtCellSource.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

const QColor red(220, 30, 30);
const QColor green(30, 200, 40);
const QColor blue(40, 60, 220);
const QColor yellow(240, 220, 40);
const Quarters upright{red, green, blue, yellow};
constexpr QSize uprightSize(80, 60);

// A phone's photo as HEVC or AV1 with the rotation and mirror of an EXIF
// orientation, and the quarters as it stored them so that turning them that
// way shows `upright`.
struct PhonePhoto {
    const char* name;
    const char* format;
    int orientation;
    Quarters stored;
};

void PrintTo(const PhonePhoto& photo, std::ostream* out)
{
    *out << photo.name;
}

class EachPhonePhoto : public testing::TestWithParam<PhonePhoto> {};

INSTANTIATE_TEST_SUITE_P(
    HeifPhotos, EachPhonePhoto,
    testing::Values(PhonePhoto{"HeicUpright", "heic", 1, upright},
                    PhonePhoto{"HeicTurnedAQuarter", "heic", 6, {green, yellow, red, blue}},
                    PhonePhoto{"HeicTransversed", "heic", 7, {yellow, green, blue, red}},
                    PhonePhoto{"AvifUpright", "avif", 1, upright},
                    PhonePhoto{"AvifFlipped", "avif", 4, {blue, yellow, red, green}},
                    PhonePhoto{"AvifTurnedAQuarterBack", "avif", 8, {blue, red, yellow, green}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(EachPhonePhoto, ComesUprightInItsColoursInTheTiles)
{
    const PhonePhoto& photo = GetParam();
    const QSize stored = photo.orientation >= 5 ? uprightSize.transposed() : uprightSize;
    TestFolder folder;
    const std::string path =
        folder
            .writeBytes(QString("photo.") + photo.format,
                        heifFile(quarteredPicture(stored, photo.stored), photo.format, {.orientation = photo.orientation}))
            .toStdString();

    const auto header = probePicture(path);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->format, photo.format == std::string("heic") ? "heif" : "avif");
    EXPECT_EQ(header->size, uprightSize);
    QtCellSource cells(2, QSize(16, 12));
    ASSERT_TRUE(cells.setPicture(path));
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(looksLike(cells.tile(k).toImage().pixelColor(8, 6), upright[k])) << "cell " << k;
}

// The same numbers mean a deeper green in Display P3 than in sRGB: shown in
// sRGB, it has less red than the photo stored in sRGB's own primaries.
TEST(HeifPhoto, ComesInSrgbFromTheColoursOfItsCamera)
{
    TestFolder folder;
    const QImage photo = quarteredPicture(uprightSize, {green, green, green, green});
    const auto seen = [&](bool displayP3) {
        const std::string path =
            folder.writeBytes("photo.heic", heifFile(photo, "heic", {.displayP3 = displayP3})).toStdString();
        const auto part = readPicturePart(path, uprightSize);
        return part ? part->pixelColor(40, 30) : QColor();
    };
    const QColor srgb = seen(false);
    const QColor displayP3 = seen(true);
    EXPECT_TRUE(looksLike(srgb, green));
    EXPECT_LT(displayP3.red(), srgb.red() - 10);
    EXPECT_GT(displayP3.green(), srgb.green());
}

} // namespace
} // namespace pintu::test
