#include "tests/support/BoardWindowHarness.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

std::string nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

// Every view says its place, counted from 1, and the tile the game has there.
void expectViewNames(const BoardWindowHarness& board)
{
    const Arrangement& game = board.window->logic().arrangement();
    for (int cell = 0; cell < game.cells(); ++cell) {
        const QString place = QString("第 %1 行第 %2 列：").arg(cell / game.side() + 1).arg(cell % game.side() + 1);
        const QString shown = cell == game.blankCell() ? "空白" : QString("%1 号块").arg(game.tileAt(cell));
        EXPECT_EQ(nameOf(board.view(cell)), (place + shown).toStdString());
    }
}

class SpokenTiles : public ::testing::TestWithParam<std::chrono::milliseconds> {};

INSTANTIATE_TEST_SUITE_P(Glides, SpokenTiles, ::testing::Values(std::chrono::milliseconds(0), std::chrono::milliseconds(100)),
                         [](const auto& info) { return info.param.count() > 0 ? "Gliding" : "Jumping"; });

TEST_P(SpokenTiles, NameTheirTilesThroughAMove)
{
    const BoardLayout& layout = boardOf(Difficulty::Easy, LayoutSet::A);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 4));
    board.services.glide = GetParam();
    board.open();
    board.click(board.button(Control::Start));
    ASSERT_EQ(board.emptyView(), 4);
    expectViewNames(board);

    board.clickTile(5);
    ASSERT_EQ(board.emptyView(), 5);
    expectViewNames(board); // at once, while the tile may still be on its way
    const QWidget* gliding = board.window->findChild<QWidget*>("glidingTile");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !gliding->isVisible(); }, 2000));
    expectViewNames(board);
    EXPECT_EQ(nameOf(board.label(Control::Steps)), "步数：1");

    board.click(board.label(Control::Credit));
    EXPECT_EQ(nameOf(board.numberMapLabel(5)),
              "编号图第 2 行第 3 列：" + std::to_string(board.window->logic().arrangement().tileAt(5)));
}

} // namespace
} // namespace pintu::test
