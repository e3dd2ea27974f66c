#include "BoardWindowHarness.h"
#include "ModalScript.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

QColor centreOf(const QPixmap& tile)
{
    const QImage pixels = tile.toImage();
    return pixels.pixelColor(pixels.width() / 2, pixels.height() / 2);
}

class EachBoardPicture : public testing::TestWithParam<const BoardLayout*> {
protected:
    const BoardLayout& layout() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Boards, EachBoardPicture, testing::ValuesIn(everyBoardLayout()), nameOfBoard);

// Stored top-down, as some programs write bitmaps, the picture opens with no
// message and shows upright: the preview, and each tile once started.
TEST_P(EachBoardPicture, ATopDownBitmapOpensUpright)
{
    BoardWindowHarness board(layout());
    board.folder.writeBytes("picture.bmp", bitmapFile(board.picture, {.topDown = true}));
    const ModalScript noBoxes;
    BoardWindow& window = board.open();
    ASSERT_TRUE(window.isVisible());
    const QImage shot = window.grab().toImage();
    for (const QPoint spot : {QPoint(5, 5), QPoint(390, 290)})
        EXPECT_TRUE(looksLike(shot.pixelColor(spot), board.picture.pixelColor(spot), 3)) << spot.x() << "," << spot.y();

    board.click(board.button(Control::Start));
    const Arrangement& tiles = window.logic().arrangement();
    for (int cell = 0; cell < tiles.cells(); ++cell) {
        if (cell == tiles.blankCell())
            continue;
        const QColor expected = cellCentreColour(tiles.tileAt(cell), tiles.side());
        EXPECT_TRUE(looksLike(centreOf(board.view(cell)->picture()), expected)) << "cell " << cell;
    }
}

// Clear parts of a picture are laid on white; shown clear they would take
// the window's colour, which the blank shows, and the blank could not be told
// from them.
TEST_P(EachBoardPicture, TheBlankStandsOutOfAClearPicture)
{
    BoardWindowHarness board(layout());
    QImage clear(board.picture.size(), QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    // Under the harness's name: the bytes tell the format.
    board.folder.writeBytes("picture.bmp", pictureFile(clear, "png"));
    BoardWindow& window = board.open();
    board.click(board.button(Control::Start));

    const QImage shot = window.grab().toImage();
    const Arrangement& tiles = window.logic().arrangement();
    const QColor blank = shot.pixelColor(board.view(tiles.blankCell())->geometry().center());
    for (int cell = 0; cell < tiles.cells(); ++cell) {
        const QRect view = board.view(cell)->geometry();
        if (cell == tiles.blankCell() || !shot.rect().contains(view.center()))
            continue;
        const QColor tile = shot.pixelColor(view.center());
        EXPECT_TRUE(looksLike(tile, Qt::white, 0)) << "cell " << cell;
        EXPECT_FALSE(looksLike(tile, blank)) << "cell " << cell;
    }
}

} // namespace
} // namespace pintu::test
