#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <QImageWriter>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

const QColor red(220, 30, 30);
const QColor green(30, 200, 40);
const QColor blue(40, 60, 220);
const QColor yellow(240, 220, 40);
// The upright picture every file below should show, 80 x 60.
const Quarters upright{red, green, blue, yellow};
constexpr QSize uprightSize(80, 60);

// A camera's EXIF orientation, and the quarters as the camera stored them so
// that turning them that way shows `upright`.
struct StoredPhoto {
    int orientation;
    Quarters stored;
};

void PrintTo(const StoredPhoto& photo, std::ostream* out)
{
    *out << "orientation " << photo.orientation;
}

// Orientations 5 to 8 turn a quarter, so their pixels are stored 60 x 80.
constexpr bool turnsAQuarter(int orientation)
{
    return orientation >= 5;
}

class EachExifOrientation : public testing::TestWithParam<StoredPhoto> {
protected:
    EachExifOrientation()
    {
        const StoredPhoto photo = GetParam();
        const QSize stored = turnsAQuarter(photo.orientation) ? uprightSize.transposed() : uprightSize;
        path = folder.writeBytes("photo.jpg",
                                 withExifOrientation(pictureFile(quarteredPicture(stored, photo.stored), "jpeg"), photo.orientation));
    }

    static void expectUpright(const QImage& image)
    {
        const int right = image.width() - 3;
        const int bottom = image.height() - 3;
        EXPECT_TRUE(looksLike(image.pixelColor(2, 2), red)) << "top left";
        EXPECT_TRUE(looksLike(image.pixelColor(right, 2), green)) << "top right";
        EXPECT_TRUE(looksLike(image.pixelColor(2, bottom), blue)) << "bottom left";
        EXPECT_TRUE(looksLike(image.pixelColor(right, bottom), yellow)) << "bottom right";
    }

    TestFolder folder;
    QString path;
};

TEST_P(EachExifOrientation, ComesUprightWholeInPartAndInCells)
{
    const auto header = readPictureFile(path.toStdString(), {});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, uprightSize);

    const auto whole = loadPicture(path.toStdString());
    ASSERT_TRUE(whole.has_value());
    ASSERT_EQ(whole->size(), uprightSize);
    expectUpright(*whole);

    // 50 x 40 reaches into every quarter of the upright picture.
    const auto part = readPreview(path.toStdString(), QSize(50, 40));
    ASSERT_TRUE(part.has_value());
    ASSERT_EQ(part->size(), QSize(50, 40));
    expectUpright(*part);
    EXPECT_EQ(*part, whole->copy(0, 0, 50, 40));

    const auto shrunk = readWhole(path.toStdString(), QSize(40, 30));
    ASSERT_TRUE(shrunk.has_value());
    ASSERT_EQ(shrunk->size(), QSize(40, 30));
    expectUpright(*shrunk);

    TestCells cells(2, QSize(16, 12));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(looksLike(cells.tile(k).toImage().pixelColor(8, 6), upright[k])) << "cell " << k;
}

INSTANTIATE_TEST_SUITE_P(JpegPhotos, EachExifOrientation,
                         testing::Values(StoredPhoto{1, {red, green, blue, yellow}},
                                         StoredPhoto{2, {green, red, yellow, blue}},    // mirrored
                                         StoredPhoto{3, {yellow, blue, green, red}},    // half a turn
                                         StoredPhoto{4, {blue, yellow, red, green}},    // flipped
                                         StoredPhoto{5, {red, blue, green, yellow}},    // transposed
                                         StoredPhoto{6, {green, yellow, red, blue}},    // a quarter clockwise
                                         StoredPhoto{7, {yellow, green, blue, red}},    // transversed
                                         StoredPhoto{8, {blue, red, yellow, green}}),   // a quarter back
                         [](const auto& photo) { return "Orientation" + std::to_string(photo.param.orientation); });

// A phone's photo in HEVC or AV1, turned by the rotation and mirror of its
// HEIF properties as an EXIF orientation would turn it.
struct PhonePhoto {
    const char* format;
    StoredPhoto stored;
};

void PrintTo(const PhonePhoto& photo, std::ostream* out)
{
    *out << photo.format << " of orientation " << photo.stored.orientation;
}

class EachPhonePhoto : public testing::TestWithParam<PhonePhoto> {};

TEST_P(EachPhonePhoto, ComesUprightInItsColoursInTheTiles)
{
    const PhonePhoto& photo = GetParam();
    const int orientation = photo.stored.orientation;
    const QSize stored = turnsAQuarter(orientation) ? uprightSize.transposed() : uprightSize;
    TestFolder folder;
    const std::string path =
        folder
            .writeBytes(QString("photo.") + photo.format,
                        heifFile(quarteredPicture(stored, photo.stored.stored), photo.format, {.orientation = orientation}))
            .toStdString();

    const auto header = readPictureFile(path, {});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, uprightSize);
    TestCells cells(2, QSize(16, 12));
    ASSERT_TRUE(cells.setPicture(path));
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(looksLike(cells.tile(k).toImage().pixelColor(8, 6), upright[k])) << "cell " << k;
}

INSTANTIATE_TEST_SUITE_P(HeifPhotos, EachPhonePhoto,
                         testing::Values(PhonePhoto{"heic", {1, {red, green, blue, yellow}}},
                                         PhonePhoto{"heic", {2, {green, red, yellow, blue}}},
                                         PhonePhoto{"heic", {3, {yellow, blue, green, red}}},
                                         PhonePhoto{"heic", {6, {green, yellow, red, blue}}},
                                         PhonePhoto{"heic", {7, {yellow, green, blue, red}}},
                                         PhonePhoto{"avif", {1, {red, green, blue, yellow}}},
                                         PhonePhoto{"avif", {4, {blue, yellow, red, green}}},
                                         PhonePhoto{"avif", {5, {red, blue, green, yellow}}},
                                         PhonePhoto{"avif", {8, {blue, red, yellow, green}}}),
                         [](const auto& photo) {
                             return std::string(photo.param.format) + "Orientation" +
                                    std::to_string(photo.param.stored.orientation);
                         });

// TIFF keeps its pixels exactly and Qt writes its orientation tag, so the part
// read of a turned file must be the top-left of the whole, to the pixel.
class EachTiffTransformation : public testing::TestWithParam<QImageIOHandler::Transformation> {};

TEST_P(EachTiffTransformation, PartIsExactlyTheTopLeftOfTheWhole)
{
    TestFolder folder;
    const QString path = folder.filePath("turned.tiff");
    QImageWriter writer(path, "tiff");
    writer.setTransformation(GetParam());
    ASSERT_TRUE(writer.write(positionPicture(90, 50)));

    const auto whole = loadPicture(path.toStdString());
    ASSERT_TRUE(whole.has_value());
    for (const QSize area : {QSize(30, 20), QSize(45, 70), QSize(200, 10)}) {
        const auto part = readPreview(path.toStdString(), area);
        ASSERT_TRUE(part.has_value());
        EXPECT_EQ(*part, whole->copy(QRect(QPoint(0, 0), area).intersected(whole->rect())))
            << area.width() << " x " << area.height();
    }
}

INSTANTIATE_TEST_SUITE_P(TurnedTiffs, EachTiffTransformation,
                         testing::Values(QImageIOHandler::TransformationNone, QImageIOHandler::TransformationMirror,
                                         QImageIOHandler::TransformationFlip, QImageIOHandler::TransformationRotate180,
                                         QImageIOHandler::TransformationRotate90,
                                         QImageIOHandler::TransformationMirrorAndRotate90,
                                         QImageIOHandler::TransformationFlipAndRotate90,
                                         QImageIOHandler::TransformationRotate270));

} // namespace
} // namespace pintu::test
