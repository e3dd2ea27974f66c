#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <functional>

namespace pintu::test {
namespace {

const QSize pictureSize(40, 30);

// A picture stored in one of the ways other programs store them, and the
// quarters that every read a board makes (the header, the preview, the whole
// picture and the cells) shows of it: upright, and opaque.
struct Variant {
    const char* name;
    const char* format;
    std::function<QByteArray()> bytes;
    Quarters shown;
    int tolerance;
};

void PrintTo(const Variant& variant, std::ostream* out)
{
    *out << variant.name;
}

const Quarters colours{QColor(220, 30, 30), QColor(30, 200, 40), QColor(40, 60, 220), QColor(240, 220, 40)};
// One bit a pixel holds two colours: which corner went where still shows.
const Quarters blackAndWhite{Qt::black, Qt::white, Qt::white, Qt::black};

Variant bitmap(const char* name, BitmapStorage storage)
{
    const Quarters& quarters = storage.bitsPerPixel == 1 ? blackAndWhite : colours;
    return {name, "bmp", [=] { return bitmapFile(quarteredPicture(pictureSize, quarters), storage); }, quarters, 14};
}

// Left half clear, right half a half-covering red, in a palette of the two
// where asked, as Qt's conversion would drop the half cover. Laid on white,
// never clear, which would show the window's grey the blank shows.
Variant clear(const char* name, const char* format, QImage::Format pixels)
{
    const auto bytes = [=] {
        QImage image(pictureSize, QImage::Format_Indexed8);
        image.setColorTable({qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 128)});
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, x < image.width() / 2 ? 0 : 1);
        }
        return pictureFile(pixels == QImage::Format_Indexed8 ? image : image.convertToFormat(pixels), format);
    };
    const QColor white(Qt::white);
    const QColor pink(255, 127, 127);
    return {name, format, bytes, {white, pink, white, pink}, 3};
}

// 16 bits a channel, or CMYK as Adobe's programs store it.
Variant converted(const char* name, const char* format, QImage::Format pixels)
{
    return {name, format, [=] { return pictureFile(quarteredPicture(pictureSize, colours).convertToFormat(pixels), format); },
            colours, 3};
}

Variant cmyk(const char* name, bool progressive)
{
    return {name, "jpeg", [=] { return cmykJpeg(quarteredPicture(pictureSize, colours), progressive); }, colours, 14};
}

class EachPictureVariant : public testing::TestWithParam<Variant> {};

INSTANTIATE_TEST_SUITE_P(
    Variants, EachPictureVariant,
    testing::Values(bitmap("Plain24Bit", {}), bitmap("TopDown24Bit", {40, 24, true}),
                    bitmap("TopDown32Bit", {40, 32, true}), bitmap("TopDown16Bit565", {40, 16, true}),
                    bitmap("TopDownPalette8Bit", {40, 8, true}), bitmap("TopDownPalette4Bit", {40, 4, true}),
                    bitmap("TopDown1Bit", {40, 1, true}), bitmap("V4TopDown24Bit", {108, 24, true}),
                    bitmap("V5TopDown32BitWithAlpha", {124, 32, true}), bitmap("Os2Core24Bit", {12, 24, false}),
                    clear("ClearPng", "png", QImage::Format_ARGB32),
                    clear("ClearPngPalette", "png", QImage::Format_Indexed8),
                    clear("ClearWebp", "webp", QImage::Format_ARGB32),
                    clear("ClearTiff", "tiff", QImage::Format_ARGB32),
                    converted("Png16Bit", "png", QImage::Format_RGBA64),
                    converted("Tiff16Bit", "tiff", QImage::Format_RGBX64), cmyk("BaselineCmykJpeg", false),
                    cmyk("ProgressiveCmykJpeg", true)),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(EachPictureVariant, ReadsUprightAndOpaqueInEveryRead)
{
    const Variant& variant = GetParam();
    TestFolder folder;
    const std::string path = folder.writeBytes(QString("picture.") + variant.format, variant.bytes()).toStdString();
    const auto expectShown = [&](const QImage& image, QPoint inside, int quarter) {
        const QColor seen = image.pixelColor(inside);
        EXPECT_TRUE(looksLike(seen, variant.shown[quarter], variant.tolerance)) << "quarter " << quarter;
        EXPECT_EQ(seen.alpha(), 255) << "quarter " << quarter;
    };

    const auto header = readPictureFile(path, {});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, pictureSize);
    const auto whole = loadPicture(path);
    ASSERT_TRUE(whole.has_value());
    expectShown(*whole, QPoint(2, 2), 0);
    expectShown(*whole, QPoint(37, 27), 3);
    const auto part = readPreview(path, QSize(25, 20));
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(*part, whole->copy(0, 0, 25, 20));
    TestCells cells(2, QSize(10, 10));
    ASSERT_TRUE(cells.setPicture(path));
    for (int k = 0; k < 4; ++k)
        expectShown(cells.tile(k).toImage(), QPoint(5, 5), k);
}

class EachClearFormat : public testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(Variants, EachClearFormat, testing::Values("png", "tiff", "webp"),
                         [](const auto& info) { return std::string(info.param); });

// White, and clear over a cyan no viewer shows, from an edge that no cell
// boundary meets: shrunk into tiles, the edge must stay white.
TEST_P(EachClearFormat, BlendsItsClearEdgeToWhiteInTheTiles)
{
    QImage picture(200, 100, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x < 73 ? qRgba(0, 255, 255, 0) : qRgba(255, 255, 255, 255));
    }
    TestFolder folder;
    const std::string path =
        folder.writeBytes(QString("clear.") + GetParam(), pictureFile(picture, GetParam())).toStdString();
    TestCells cells(2, QSize(9, 9));
    ASSERT_TRUE(cells.setPicture(path));
    for (int k = 0; k < 4; ++k) {
        const QImage tile = cells.tile(k).toImage();
        for (int x = 0; x < tile.width(); ++x)
            EXPECT_TRUE(looksLike(tile.pixelColor(x, 4), Qt::white, 1)) << "cell " << k << " column " << x;
    }
}

} // namespace
} // namespace pintu::test
