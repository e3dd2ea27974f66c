#include "board/Board.h"
#include "tests/support/BoardWindowHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// Runs at every scale the suite is started with; at QT_SCALE_FACTOR=2 it shows
// that a tile carries twice the pixels of its view, each from the photo itself.
TEST(HighDensityTiles, AreCutAtTheScreensPixelRatio)
{
    BoardWindowHarness board(boardOf(Difficulty::Easy, LayoutSet::A));
    const QImage photo = positionPicture(1800, 1200);
    board.folder.writeBitmap("picture.bmp", photo);
    BoardWindow& window = board.open();
    board.click(board.button(Control::Start));

    const qreal ratio = window.devicePixelRatioF();
    const Arrangement& game = window.logic().arrangement();
    for (int c = 0; c < 9; ++c) {
        if (c == game.blankCell())
            continue;
        const QPixmap tile = board.view(c)->picture();
        EXPECT_EQ(tile.devicePixelRatio(), ratio);
        const QSize device = (QSizeF(board.view(0)->size()) * ratio).toSize();
        ASSERT_EQ(tile.size(), device) << "cell " << c;

        // The tile is the photo's own cell brought to the device size, not a smaller cut blown up.
        const int t = game.tileAt(c);
        const QImage cell = photo.copy((t % 3) * 600, (t / 3) * 400, 600, 400);
        const QImage expected = cell.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage shown = tile.toImage();
        for (const QPoint spot : {QPoint(1, 1), QPoint(device.width() / 2, device.height() / 3),
                                  QPoint(device.width() - 2, device.height() - 2)})
            EXPECT_TRUE(looksLike(shown.pixelColor(spot), expected.pixelColor(spot), 2)) << "cell " << c;
    }
}

} // namespace
} // namespace pintu::test
