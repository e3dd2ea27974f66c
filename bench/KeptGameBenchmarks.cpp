// What keeping the game costs a move on the 10x10 board: none kept, kept by
// the store's own thread (as the game does), and written on the spot, each
// write pushed to the disk before the move returns.
#include "board/GameKeeper.h"
#include "genius/GeniusBoard.h"
#include "platform/qt/QtFiles.h"
#include "platform/SeededRandom.h"
#include "resume/KeptGameStore.h"
#include "tests/fakes/FakeCellSource.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeFiles.h"
#include "tests/fakes/FakeScreen.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>

namespace pintu {
namespace {

class KeeperOf final : public GameKeeper {
public:
    explicit KeeperOf(std::function<void(const KeptGame&)> write) : write(std::move(write)) {}
    void keep(const Board::Snapshot& game) override { write({0, &board10x10, "/pictures/cat.bmp", game}); }
    void forget() override {}

private:
    std::function<void(const KeptGame&)> write;
};

// Slides the same tile back and forth on a started genius board.
void movesWith(benchmark::State& state, GameKeeper* keeper)
{
    test::FakeScreen screen(board10x10.cells);
    test::FakeCellSource cells;
    test::FakeFiles files;
    test::FakeClock clock;
    SeededRandom random;
    GeniusBoard board({screen, cells, files, clock, random, DataFiles{}, keeper}, "/pictures/cat.bmp");
    board.load();
    board.start();
    std::optional<Move> move;
    for (const Direction direction : {Direction::Left, Direction::Right})
        move = move ? move : board.arrangement().moveFor(direction);
    bool there = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.click(there ? move->from : move->to));
        there = !there;
    }
}

void moveKeptNowhere(benchmark::State& state)
{
    movesWith(state, nullptr);
}
BENCHMARK(moveKeptNowhere)->Unit(benchmark::kMicrosecond);

void moveKeptByTheStore(benchmark::State& state)
{
    QTemporaryDir folder;
    QtFiles files;
    KeptGameStore store(files, folder.filePath("kept-game.txt").toStdString());
    KeeperOf keeper([&store](const KeptGame& game) { store.keep(game); });
    movesWith(state, &keeper);
    store.settle();
}
BENCHMARK(moveKeptByTheStore)->Unit(benchmark::kMicrosecond);

void moveWrittenOnTheSpot(benchmark::State& state)
{
    QTemporaryDir folder;
    QtFiles files;
    const std::string path = folder.filePath("kept-game.txt").toStdString();
    KeeperOf keeper([&](const KeptGame& game) { files.replaceText(path, keptGameText(game)); });
    movesWith(state, &keeper);
}
BENCHMARK(moveWrittenOnTheSpot)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pintu

BENCHMARK_MAIN();
