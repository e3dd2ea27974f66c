#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct Canvas {
    const char* name;
    int width;
    QSize read; // what a read of the whole gives, and of a part as much as the window takes
};

void PrintTo(const Canvas& canvas, std::ostream* out)
{
    *out << canvas.name;
}

class GifCanvas : public ::testing::TestWithParam<Canvas> {};

INSTANTIATE_TEST_SUITE_P(Widths, GifCanvas,
                         ::testing::Values(Canvas{"AsWideAsItsFrame", 16, QSize(16, 12)},
                                           Canvas{"WiderThanItsFrame", 120, QSize(120, 12)},
                                           // Qt's reader names the frame's width, but decodes the
                                           // canvas, whose width the header gives.
                                           Canvas{"FarWiderThanItsFrame", 3000, QSize(3000, 12)}),
                         [](const auto& info) { return std::string(info.param.name); });

// A read gives the size its header promised or nothing, so that the preview
// and the cells never meet a picture of another size than they asked for.
TEST_P(GifCanvas, ReadsAtTheSizeItsHeaderGivesOrNotAtAll)
{
    TestFolder folder;
    const QImage frame = positionPicture(16, 12).convertToFormat(QImage::Format_Indexed8);
    const QString path = folder.writeBytes("canvas.gif", gifOnCanvas(frame, QSize(GetParam().width, 12)));
    const auto sizeOf = [](const std::optional<QImage>& image) { return image ? std::optional(image->size()) : std::nullopt; };
    EXPECT_EQ(sizeOf(loadPicture(path.toStdString())), GetParam().read);
    const QSize window(640, 480);
    EXPECT_EQ(sizeOf(readPreview(path.toStdString(), window)), GetParam().read.boundedTo(window));
    TestCells cells(3, QSize(100, 100));
    EXPECT_TRUE(cells.setPicture(path.toStdString()));
}

TEST(PictureHeader, NamesTheFormatOfAnIcon)
{
    TestFolder folder;
    const QString path = folder.writeBytes("icon.ico", pictureFile(positionPicture(16, 12), "ico"));
    const auto header = readPictureFile(path.toStdString(), {});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->size, QSize(16, 12));
}

} // namespace
} // namespace pintu::test
