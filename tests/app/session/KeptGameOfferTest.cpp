#include "app/board/BoardWindow.h"
#include "app/Game.h"
#include "board/NumberText.h"
#include "genius/HallOfFame.h"
#include "resume/KeptGameStore.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestServices.h"
#include "tests/support/WindowControls.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace pintu::test {
namespace {

using Phase = Board::Phase;

// A run that finds a game kept by the one before.
struct RunAfterAnother : TestServices {
    void keep(const BoardSize& size, LayoutSet set, Board::Snapshot game, const QString& picture = "tiles.bmp")
    {
        folder.writeBitmap("tiles.bmp", positionPicture(300, 240));
        store.keep({static_cast<int>(set), &size, folder.filePath(picture).toStdString(), std::move(game)});
        store.settle();
    }

    bool kept()
    {
        store.settle();
        return QFile::exists(folder.filePath("data/kept-game.txt"));
    }

    // The game of this run, started.
    Game& start()
    {
        services.keptGames = &store;
        game.emplace(services);
        game->start();
        return *game;
    }

    BoardWindow* board(LayoutSet set) const { return game->menu(set) ? game->menu(set)->openBoard() : nullptr; }

    KeptGameStore store{files, folder.filePath("data/kept-game.txt").toStdString()};
    std::optional<Game> game;
};

// Five moves into a 4x4 game, the blank on the left edge.
Board::Snapshot fiveMovesIn()
{
    return {Phase::Playing, *Arrangement::fromTiles(4, {0, 1, 2, 3, 15, 5, 6, 7, 4, 9, 10, 11, 8, 12, 13, 14}), 5,
            std::chrono::milliseconds(30'440), false, 0};
}

TEST(KeptGameOffer, YesPlaysOnOnTheBoardOfItsSetAndLeadsToItsMenu)
{
    RunAfterAnother run;
    run.keep(board4x4, LayoutSet::B, fiveMovesIn());
    QStringList asked;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
        asked << box->windowTitle() << messageText(box) << buttonCaptions(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    run.start();

    EXPECT_EQ(asked, (QStringList{"拼图", "上次的游戏还没有结束，要继续吗？", "是", "否"}));
    EXPECT_FALSE(resolutionWindow().isVisible());
    BoardWindow* board = run.board(LayoutSet::B);
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(&board->layout(), &boardOf(Difficulty::Normal, LayoutSet::B));
    // How a board plays on from what was kept, its captions and clock too, is the board's to test.
    EXPECT_EQ(board->logic().arrangement(), fiveMovesIn().arrangement);
    EXPECT_EQ(board->focusWidget(), board) << "a stray Space on a focused button would end the game";
    EXPECT_FALSE(run.game->menu(LayoutSet::B)->isVisible());

    // The close box is an end like "退出": the menu of the set comes, as if the board had opened from it.
    board->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MenuWindow* menu = run.game->menu(LayoutSet::B);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pictureFileName(), "tiles.bmp");
    EXPECT_TRUE(difficultyOption(*menu, Difficulty::Normal)->isChecked());
    EXPECT_EQ(run.game->menu(LayoutSet::A), nullptr);
    EXPECT_FALSE(run.kept());
}

// "否" forgets the game; "是" for a picture that cannot be read says so and
// keeps it, to be offered again. Either way the resolution window comes.
struct NotPlayedOn {
    const char* name;
    Qt::Key answer;
    const char* picture;
    QStringList messages;
    bool keptStill;
};

class KeptGameNotPlayedOn : public ::testing::TestWithParam<NotPlayedOn> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, KeptGameNotPlayedOn,
    ::testing::Values(NotPlayedOn{"No", Qt::Key_Escape, "tiles.bmp", {}, false},
                      NotPlayedOn{"APictureNoLongerThere", Qt::Key_Return, "gone.bmp", {"文件打开失败！"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(KeptGameNotPlayedOn, LeadsToTheResolutionWindow)
{
    RunAfterAnother run;
    run.keep(board4x4, LayoutSet::A, fiveMovesIn(), GetParam().picture);
    {
        ModalScript boxes;
        boxes.then([answer = GetParam().answer](QWidget* box) { QTest::keyClick(box, answer); });
        if (!GetParam().messages.isEmpty())
            boxes.thenOk();
        run.start();
        EXPECT_EQ(boxes.messages(), GetParam().messages);
        EXPECT_TRUE(resolutionWindow().isVisible());
        EXPECT_EQ(run.board(LayoutSet::A), nullptr);
        ASSERT_EQ(run.kept(), GetParam().keptStill);
    }
    if (!GetParam().keptStill)
        return;
    // Its picture back, on a stick plugged in again: the next start plays on.
    run.folder.writeBitmap(GetParam().picture, positionPicture(300, 240));
    ModalScript again;
    again.then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    run.start();
    ASSERT_NE(run.board(LayoutSet::A), nullptr);
    EXPECT_EQ(run.board(LayoutSet::A)->logic().arrangement(), fiveMovesIn().arrangement);
}

TEST(KeptGameOffer, AGeniusWinCutShortAsksForTheNameAgain)
{
    RunAfterAnother run;
    const Board::Snapshot won{Phase::Won, Arrangement::solved(10), 812, std::chrono::milliseconds(3456'720), false, 0};
    run.keep(board10x10, LayoutSet::A, won);
    ModalScript boxes;
    boxes.then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }).thenType("小明");
    run.start();
    QTest::qWait(50);

    EXPECT_EQ(boxes.boxesSeen(), 2);
    EXPECT_EQ(run.files.readText(run.services.dataFiles.hallOfFame, 1 << 20),
              hallOfFameRecord("小明", won.steps, elapsedTenths(won.played), run.clock.date()));
    BoardWindow* board = run.board(LayoutSet::A);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->logic().phase(), Phase::Completed);
    EXPECT_FALSE(run.kept());
}

} // namespace
} // namespace pintu::test
