#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// How a picture is read, whatever its storage, is the picture reader's to
// test; here, what a board shows of it.
class EachBoardPicture : public testing::TestWithParam<const BoardLayout*> {};

INSTANTIATE_TEST_SUITE_P(Boards, EachBoardPicture, testing::ValuesIn(everyBoardLayout()), nameOfBoard);

// Stored top-down, as some programs write bitmaps, the picture opens with no
// message and shows upright: the preview, and each tile once started.
TEST_P(EachBoardPicture, ATopDownBitmapOpensUpright)
{
    BoardWindowHarness board(*GetParam());
    board.folder.writeBytes("picture.bmp", bitmapFile(board.picture, {.topDown = true}));
    const ModalScript noBoxes;
    BoardWindow& window = board.open();
    ASSERT_TRUE(window.isVisible());
    const QImage shot = window.grab().toImage();
    for (const QPoint spot : {QPoint(5, 5), QPoint(390, 290)})
        EXPECT_TRUE(looksLike(shot.pixelColor(spot), board.picture.pixelColor(spot), 3)) << spot.x() << "," << spot.y();

    board.click(board.button(Control::Start));
    expectTilesShowTheirParts(window);
}

// Clear parts of a picture are laid on white; shown clear they would take
// the window's colour, which the blank shows, and the blank could not be told
// from them.
TEST_P(EachBoardPicture, TheBlankStandsOutOfAClearPicture)
{
    BoardWindowHarness board(*GetParam());
    QImage clear(board.picture.size(), QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    // Under the harness's name: the bytes tell the format.
    board.folder.writeBytes("picture.bmp", pictureFile(clear, "png"));
    BoardWindow& window = board.open();
    board.click(board.button(Control::Start));

    // Every tile of every read laid on white is the picture reader's test; here, a tile against the blank.
    const QImage shot = window.grab().toImage();
    const auto shown = [&](int cell) { return shot.pixelColor(board.view(cell)->geometry().center()); };
    const int blank = window.logic().arrangement().blankCell();
    EXPECT_TRUE(looksLike(shown(blank == 0 ? 1 : 0), Qt::white, 0));
    EXPECT_FALSE(looksLike(shown(blank), Qt::white));
}

} // namespace
} // namespace pintu::test
