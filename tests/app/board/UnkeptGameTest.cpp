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

    // The note beside the board once the store has written and told the window.
    const QLabel* note()
    {
        store.settle();
        QCoreApplication::processEvents();
        return window->findChild<QLabel*>("unkeptGameNote");
    }
};

TEST(UnkeptGame, SaysSoOnceAGameUntilAWriteReachesTheDisk)
{
    BoardOnAFillingDisk board;
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    board.disk.replaceFailure = full;
    board.open();
    board.click(board.button(Control::Start));
    EXPECT_TRUE(board.note()->isVisible());
    EXPECT_EQ(board.note()->text(), "这局游戏无法保存：磁盘已满");

    const std::vector<int> solving = board.solvingClicks();
    board.disk.replaceFailure.clear();
    board.clickTile(solving[0]);
    EXPECT_FALSE(board.note()->isVisible()) << "the game is kept again";
    board.disk.replaceFailure = full;
    board.clickTile(solving[1]);
    EXPECT_FALSE(board.note()->isVisible()) << "said once a game";

    ModalScript won;
    won.thenOk();
    for (std::size_t k = 2; k < solving.size(); ++k)
        board.clickTile(solving[k]);
    ASSERT_EQ(won.boxesSeen(), 1);
    board.click(board.button(Control::Start));
    EXPECT_TRUE(board.note()->isVisible()) << "the next game says so again";
}

struct ReasonRow {
    const char* name;
    int error;
    QString words; // empty: the system's own
};

class WriteFailure : public ::testing::TestWithParam<ReasonRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure,
                         ::testing::Values(ReasonRow{"DiskFull", ENOSPC, "磁盘已满"},
                                           ReasonRow{"QuotaUsedUp", EDQUOT, "磁盘已满"},
                                           ReasonRow{"ReadOnlyDisk", EROFS, "磁盘只能读不能写"},
                                           ReasonRow{"FolderOfAnotherUser", EACCES, "没有写入的权限"},
                                           ReasonRow{"FileLockedAgainstChanges", EPERM, "没有写入的权限"},
                                           ReasonRow{"DiskFailing", EIO, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(WriteFailure, IsToldInAFewWords)
{
    const std::error_code failure(GetParam().error, std::system_category());
    const QString expected =
        GetParam().words.isEmpty() ? QString::fromLocal8Bit(failure.message()) : GetParam().words;
    EXPECT_EQ(writeFailureReason(failure), expected);
}

} // namespace
} // namespace pintu::test
