#include "PictureLayout.h"
#include "TestPictures.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

bool holdsWhole(QByteArray bytes, const char* format)
{
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    return readPictureLayout(file, format).has_value();
}

QByteArray cutAt(const QByteArray& bytes, double kept)
{
    return bytes.left(static_cast<qsizetype>(bytes.size() * kept));
}

TEST(PictureLayout, AJpegMustReachItsEndMarker)
{
    const QByteArray jpeg = pictureFile(positionPicture(300, 200), "jpeg");
    QByteArray withThumbnail = jpeg;
    // A segment holding a whole little JPEG, end marker and all.
    withThumbnail.insert(2, QByteArray("\xFF\xE1\x00\x08\xFF\xD8\xFF\xD9", 8));

    EXPECT_TRUE(holdsWhole(jpeg, "jpeg"));
    EXPECT_TRUE(holdsWhole(jpeg + QByteArray(100000, '\x5A'), "jpeg")) << "a motion photo's video after the end";
    EXPECT_TRUE(holdsWhole(withThumbnail, "jpeg"));
    EXPECT_FALSE(holdsWhole(jpeg.chopped(2), "jpeg"));
    EXPECT_FALSE(holdsWhole(cutAt(jpeg, 0.5), "jpeg"));
    EXPECT_FALSE(holdsWhole(cutAt(withThumbnail, 0.5), "jpeg"));
    EXPECT_FALSE(holdsWhole("not a JPEG at all", "jpeg"));
}

TEST(PictureLayout, AGifMustHoldAllOfItsFirstFrame)
{
    const QByteArray gif = pictureFile(quarteredPicture(QSize(60, 40), {Qt::red, Qt::green, Qt::blue, Qt::yellow}), "gif");
    EXPECT_TRUE(holdsWhole(gif, "gif"));
    EXPECT_TRUE(holdsWhole(gif.chopped(1), "gif")) << "only the trailer missing";
    EXPECT_FALSE(holdsWhole(gif.chopped(2), "gif"));
    EXPECT_FALSE(holdsWhole(cutAt(gif, 0.5), "gif"));
}

} // namespace
} // namespace pintu::test
