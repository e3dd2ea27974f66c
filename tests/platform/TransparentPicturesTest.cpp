#include "PictureLoader.h"
#include "QtCellSource.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct TransparentFile {
    const char* format;
    QImage::Format pixels;
};

void PrintTo(const TransparentFile& file, std::ostream* out)
{
    *out << file.format << " " << file.pixels;
}

// Left half clear, right half a half-covering red; in a palette of the two
// where asked, as Qt's conversion would drop the half cover.
QImage halfClearHalfRed(QImage::Format format)
{
    const QList<QRgb> colours{qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 128)};
    QImage image(40, 20, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < image.width() / 2 ? 0 : 1);
    }
    return format == QImage::Format_Indexed8 ? image : image.convertToFormat(format);
}

class EachTransparentFile : public testing::TestWithParam<TransparentFile> {};

INSTANTIATE_TEST_SUITE_P(
    Pictures, EachTransparentFile,
    testing::Values(TransparentFile{"png", QImage::Format_ARGB32}, TransparentFile{"png", QImage::Format_Indexed8},
                    TransparentFile{"webp", QImage::Format_ARGB32}, TransparentFile{"tiff", QImage::Format_ARGB32}),
    [](const auto& info) {
        return std::string(info.param.format) + (info.param.pixels == QImage::Format_Indexed8 ? "Palette" : "");
    });

// Clear parts come out white and the half-covered ones pink, in the preview
// and in the cells alike: never clear, which shows the window's grey.
TEST_P(EachTransparentFile, ComesOutLaidOnWhite)
{
    TestFolder folder;
    const QString path = folder.writeBytes(QString("clear.") + GetParam().format,
                                           pictureFile(halfClearHalfRed(GetParam().pixels), GetParam().format));
    const QColor white(Qt::white);
    const QColor pink(255, 127, 127);
    const auto preview = readPicturePart(path.toStdString(), QSize(640, 480));
    ASSERT_TRUE(preview.has_value());
    EXPECT_TRUE(looksLike(preview->pixelColor(5, 5), white, 3));
    EXPECT_TRUE(looksLike(preview->pixelColor(35, 5), pink, 3));
    EXPECT_EQ(preview->pixelColor(5, 5).alpha(), 255);

    QtCellSource cells(2, QSize(10, 10));
    ASSERT_TRUE(cells.setPicture(path.toStdString()));
    const QImage clearCell = cells.tile(0).toImage();
    EXPECT_TRUE(looksLike(clearCell.pixelColor(5, 5), white, 3));
    EXPECT_EQ(clearCell.pixelColor(5, 5).alpha(), 255);
    EXPECT_TRUE(looksLike(cells.tile(1).toImage().pixelColor(5, 5), pink, 3));
}

} // namespace
} // namespace pintu::test
