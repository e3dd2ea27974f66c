#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

const Quarters quarters{QColor(220, 30, 30), QColor(30, 200, 40), QColor(40, 60, 220), QColor(240, 220, 40)};

// The colour of each quarter, sampled well inside it.
void expectQuarters(const QImage& image, const Quarters& expected)
{
    const int right = image.width() - 3;
    const int bottom = image.height() - 3;
    EXPECT_TRUE(looksLike(image.pixelColor(2, 2), expected[0])) << "top left";
    EXPECT_TRUE(looksLike(image.pixelColor(right, 2), expected[1])) << "top right";
    EXPECT_TRUE(looksLike(image.pixelColor(2, bottom), expected[2])) << "bottom left";
    EXPECT_TRUE(looksLike(image.pixelColor(right, bottom), expected[3])) << "bottom right";
}

class EachPictureFormat : public testing::TestWithParam<const char*> {
protected:
    QString write(const QImage& image) const
    {
        return folder.writeBytes(QString("picture.") + GetParam(), pictureFile(image, GetParam()));
    }

    TestFolder folder;
};

TEST_P(EachPictureFormat, LoadsWholeInPartAndInCells)
{
    const QString path = write(quarteredPicture(QSize(90, 60), quarters));

    const auto header = readPictureFile(path.toStdString(), {});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, QSize(90, 60));

    const auto whole = loadPicture(path.toStdString());
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->size(), QSize(90, 60));
    expectQuarters(*whole, quarters);

    const auto part = readPreview(path.toStdString(), QSize(50, 40));
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(part->size(), QSize(50, 40));
    expectQuarters(*part, quarters);

    TestCells cells(3, QSize(30, 20));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    const Quarters corners{cells.tile(0).toImage().pixelColor(15, 10),
                           cells.tile(2).toImage().pixelColor(15, 10),
                           cells.tile(6).toImage().pixelColor(15, 10),
                           cells.tile(8).toImage().pixelColor(15, 10)};
    for (int corner = 0; corner < 4; ++corner)
        EXPECT_TRUE(looksLike(corners[corner], quarters[corner])) << "corner cell " << corner;
}

// A bitmap or a GIF short of pixels loads with the rest blank, as Qt's readers leave it.
using EachCompressedFormat = EachPictureFormat;

TEST_P(EachCompressedFormat, RefusesAFileCutShort)
{
    const QByteArray whole = pictureFile(quarteredPicture(QSize(200, 150), quarters), GetParam());
    for (const double kept : {0.3, 0.7, 0.95}) {
        const QString path = folder.writeBytes("cut", whole.left(static_cast<qsizetype>(whole.size() * kept)));
        EXPECT_FALSE(loadPicture(path.toStdString()).has_value()) << kept;
        EXPECT_FALSE(readWhole(path.toStdString(), QSize(60, 40)).has_value()) << kept;
    }
}

const auto formatName = [](const auto& format) { return std::string(format.param); };
INSTANTIATE_TEST_SUITE_P(PictureFiles, EachPictureFormat, testing::Values("bmp", "gif", "jpeg", "png", "tiff", "webp"),
                         formatName);
INSTANTIATE_TEST_SUITE_P(PictureFiles, EachCompressedFormat, testing::Values("jpeg", "png", "tiff", "webp"),
                         formatName);

// The bytes of a JPEG with its frame header claiming `width` x `height`.
QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray jpeg = pictureFile(positionPicture(64, 48), "jpeg");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

TEST(PictureFiles, RefuseWhatIsNoReadablePictureInEveryRead)
{
    TestFolder folder;
    const QByteArray jpeg = pictureFile(positionPicture(64, 48), "jpeg");
    const QString unreadable[] = {
        folder.filePath("missing.jpg"),
        folder.path(),
        folder.writeBytes("empty.png", ""),
        folder.writeBytes("text.jpg", "hello, not a picture"),
        folder.writeBytes("header-only.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA") + 2)),
        folder.writeBytes("claims-60000x60000.jpg", jpegClaiming(60000, 60000)),
    };
    for (const QString& path : unreadable) {
        EXPECT_FALSE(loadPicture(path.toStdString()).has_value()) << path.toStdString();
        EXPECT_FALSE(readPreview(path.toStdString(), QSize(40, 30)).has_value()) << path.toStdString();
        EXPECT_FALSE(readWhole(path.toStdString(), QSize(40, 30)).has_value()) << path.toStdString();
    }
    for (const char* name : {"missing.jpg", "text.jpg", "claims-60000x60000.jpg"})
        EXPECT_FALSE(readPictureFile(folder.filePath(name).toStdString(), {}).has_value()) << name;
    EXPECT_FALSE(readPictureFile(folder.path().toStdString(), {}).has_value());
}

TEST(PictureFiles, ShowOnePicturePixelPerPixelWhateverTheirName)
{
    TestFolder folder;
    const QString path = folder.writeBytes("photo@2x.png", pictureFile(positionPicture(80, 60), "png"));
    const auto part = readPreview(path.toStdString(), QSize(200, 100));
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(part->size(), QSize(80, 60));
    EXPECT_EQ(part->devicePixelRatio(), 1.0);
}

TEST(PictureFiles, PartIsExactlyTheTopLeftOfTheWhole)
{
    TestFolder folder;
    for (const char* format : {"bmp", "jpeg", "png"}) {
        const QString path = folder.writeBytes(QString("p.") + format, pictureFile(positionPicture(120, 90), format));
        const auto whole = loadPicture(path.toStdString());
        const auto part = readPreview(path.toStdString(), QSize(70, 35));
        ASSERT_TRUE(whole && part) << format;
        EXPECT_EQ(*part, whole->copy(0, 0, 70, 35)) << format;
    }
}

} // namespace
} // namespace pintu::test
