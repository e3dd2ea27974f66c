#include "app/board/UnkeptGameNote.h"
#include "resume/KeptGameStore.h"
#include "tests/fakes/FakeFiles.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct KeptOnAFakeDisk {
    FakeFiles disk;
    KeptGameStore store{disk, "/data/pintu/kept-game.txt"};
};

// A 3x3 board whose game is kept on a disk the test fills and clears.
struct BoardOnAFillingDisk : KeptOnAFakeDisk, BoardWindowHarness {
    BoardOnAFillingDisk() : BoardWindowHarness(easy(), endingAt(easy(), 0)) { services.keptGames = &store; }

    static const BoardLayout& easy() { return boardOf(Difficulty::Easy, LayoutSet::A); }

    // Once the store has written and told the window.
    bool noteShows()
    {
        store.settle();
        QCoreApplication::processEvents();
        return window->findChild<QLabel*>("unkeptGameNote")->isVisible();
    }
};

TEST(UnkeptGame, SaysSoOnceAGameUntilAWriteReachesTheDisk)
{
    BoardOnAFillingDisk board;
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    board.disk.replaceFailure = full;
    board.open();
    board.click(board.button(Control::Start));
    EXPECT_TRUE(board.noteShows());
    EXPECT_EQ(board.window->findChild<QLabel*>("unkeptGameNote")->text(), "这局游戏无法保存：磁盘已满");

    const std::vector<int> solving = board.solvingClicks();
    board.disk.replaceFailure.clear();
    board.clickTile(solving[0]);
    EXPECT_FALSE(board.noteShows()) << "the game is kept again";
    board.disk.replaceFailure = full;
    board.clickTile(solving[1]);
    EXPECT_FALSE(board.noteShows()) << "said once a game";

    ModalScript won;
    won.thenOk();
    for (std::size_t k = 2; k < solving.size(); ++k)
        board.clickTile(solving[k]);
    ASSERT_EQ(won.boxesSeen(), 1);
    board.click(board.button(Control::Start));
    EXPECT_TRUE(board.noteShows()) << "the next game says so again";
}

TEST(UnkeptGame, SaysWhyInAFewWordsOrInTheSystems)
{
    const std::pair<int, QString> reasons[] = {
        {ENOSPC, "磁盘已满"},         {EDQUOT, "磁盘已满"},       {EROFS, "磁盘只能读不能写"},
        {EACCES, "没有写入的权限"}, {EPERM, "没有写入的权限"}, {EIO, QString()},
    };
    for (const auto& [error, words] : reasons) {
        const std::error_code failure(error, std::system_category());
        EXPECT_EQ(writeFailureReason(failure), words.isEmpty() ? QString::fromLocal8Bit(failure.message()) : words);
    }
}

} // namespace
} // namespace pintu::test
