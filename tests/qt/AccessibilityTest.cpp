// What a screen reader says of a board, in every language: where each tile
// view is and which tile it shows, as tiles move and glide, and the same of
// the number map and the step count.

#include "BoardWindowHarness.h"
#include "Speaking.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <tuple>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

struct Spoken {
    Language language;
    const char* blank;     // row, column
    const char* tile;      // row, column, tile
    const char* numberMap; // row, column, number
    const char* steps;     // count
};

const Spoken spokenLanguages[] = {
    {Language::SimplifiedChinese, "第 %1 行第 %2 列：空白", "第 %1 行第 %2 列：%3 号块", "编号图第 %1 行第 %2 列：%3",
     "步数：%1"},
    {Language::TraditionalChinese, "第 %1 行第 %2 列：空白", "第 %1 行第 %2 列：%3 號塊", "編號圖第 %1 行第 %2 列：%3",
     "步數：%1"},
    {Language::English, "Row %1, column %2: blank", "Row %1, column %2: tile %3", "Number map, row %1, column %2: %3",
     "Step: %1"},
};

std::string nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

class SpokenBoard : public ::testing::TestWithParam<std::tuple<Spoken, milliseconds>> {
protected:
    const Spoken& spoken() const { return std::get<Spoken>(GetParam()); }

    // Every view says its place, counted from 1, and the tile the game has there.
    void expectViewNames(const BoardWindowHarness& board) const
    {
        const Arrangement& game = board.window->logic().arrangement();
        for (int cell = 0; cell < game.cells(); ++cell) {
            const QString row = QString::number(cell / game.side() + 1);
            const QString column = QString::number(cell % game.side() + 1);
            const QString expected = cell == game.blankCell()
                                         ? QString(spoken().blank).arg(row, column)
                                         : QString(spoken().tile).arg(row, column, QString::number(game.tileAt(cell)));
            EXPECT_EQ(nameOf(board.view(cell)), expected.toStdString()) << "cell " << cell;
        }
    }
};

INSTANTIATE_TEST_SUITE_P(LanguagesAndGlides, SpokenBoard,
                         ::testing::Combine(::testing::ValuesIn(spokenLanguages),
                                            ::testing::Values(milliseconds(0), milliseconds(100))),
                         [](const auto& info) {
                             return languageName(std::get<Spoken>(info.param).language) +
                                    (std::get<milliseconds>(info.param).count() > 0 ? "_Gliding" : "_Jumping");
                         });

TEST_P(SpokenBoard, NamesFollowEveryMove)
{
    const Speaking speaking(spoken().language);
    const BoardLayout& layout = boardOf(Difficulty::Easy, LayoutSet::A);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 4));
    board.services.glide = std::get<milliseconds>(GetParam());
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
    EXPECT_EQ(nameOf(board.label(Control::Steps)), QString(spoken().steps).arg(1).toStdString());

    board.click(board.label(Control::Credit));
    const Arrangement& game = board.window->logic().arrangement();
    for (int cell = 0; cell < game.cells(); ++cell) {
        EXPECT_EQ(nameOf(board.numberMapLabel(cell)),
                  QString(spoken().numberMap)
                      .arg(QString::number(cell / game.side() + 1), QString::number(cell % game.side() + 1),
                           QString::number(game.tileAt(cell)))
                      .toStdString());
    }
}

} // namespace
} // namespace pintu::test
