#include "PictureLoader.h"
#include "QtCellSource.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct BitmapVariant {
    const char* name;
    BitmapStorage storage;
};

void PrintTo(const BitmapVariant& variant, std::ostream* out)
{
    *out << variant.name;
}

const Quarters colours{QColor(220, 30, 30), QColor(30, 200, 40), QColor(40, 60, 220), QColor(240, 220, 40)};
// One bit a pixel holds two colours: which corner went where still shows.
const Quarters blackAndWhite{Qt::black, Qt::white, Qt::white, Qt::black};

class EachBitmapVariant : public testing::TestWithParam<BitmapVariant> {};

INSTANTIATE_TEST_SUITE_P(Bitmaps, EachBitmapVariant,
                         testing::Values(BitmapVariant{"Plain24Bit", {}}, BitmapVariant{"TopDown24Bit", {40, 24, true}},
                                         BitmapVariant{"TopDown32Bit", {40, 32, true}},
                                         BitmapVariant{"TopDown16Bit565", {40, 16, true}},
                                         BitmapVariant{"TopDownPalette8Bit", {40, 8, true}},
                                         BitmapVariant{"TopDownPalette4Bit", {40, 4, true}},
                                         BitmapVariant{"TopDown1Bit", {40, 1, true}},
                                         BitmapVariant{"V4TopDown24Bit", {108, 24, true}},
                                         BitmapVariant{"V5TopDown32BitWithAlpha", {124, 32, true}},
                                         BitmapVariant{"Os2Core24Bit", {12, 24, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every read a board makes (the header, the preview, the whole picture and
// the cells) comes upright, however the rows are stored.
TEST_P(EachBitmapVariant, ReadsUprightInEveryRead)
{
    const BitmapStorage& storage = GetParam().storage;
    const Quarters& quarters = storage.bitsPerPixel == 1 ? blackAndWhite : colours;
    const QSize size(40, 30);
    TestFolder folder;
    const QString path = folder.writeBytes("picture.bmp", bitmapFile(quarteredPicture(size, quarters), storage));

    const auto header = probePicture(path.toStdString());
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, size);
    const auto whole = loadPicture(path.toStdString());
    ASSERT_TRUE(whole.has_value());
    EXPECT_TRUE(looksLike(whole->pixelColor(2, 2), quarters[0]));
    EXPECT_TRUE(looksLike(whole->pixelColor(37, 27), quarters[3]));
    const auto part = readPicturePart(path.toStdString(), QSize(25, 20));
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(*part, whole->copy(0, 0, 25, 20));
    QtCellSource cells(2, QSize(10, 10));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(looksLike(cells.tile(k).toImage().pixelColor(5, 5), quarters[k])) << "cell " << k;
}

} // namespace
} // namespace pintu::test
