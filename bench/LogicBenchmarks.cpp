// Speed of the work a player waits for: the shuffle inside "开始", a move
// while the shortest way from the start is sought, and the hall of fame's
// reversal when the viewer opens.
#include "board/MoveLog.h"
#include "board/Shuffle.h"
#include "genius/HallOfFame.h"
#include "hint/Hint.h"
#include "platform/SeededRandom.h"
#include "solver/Solver.h"
#include "tests/fakes/BoardHarness.h"
#include "tests/fakes/FakeFiles.h"

#include <benchmark/benchmark.h>

#include <thread>

namespace pintu {
namespace {

void shuffleOnly(benchmark::State& state, const BoardSize& size)
{
    SeededRandom random;
    random.seed(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(shuffle(size, random, nullptr));
}
BENCHMARK_CAPTURE(shuffleOnly, genius, board10x10)->Unit(benchmark::kMicrosecond);

void shuffleWithLog(benchmark::State& state, const BoardSize& size)
{
    SeededRandom random;
    test::FakeFiles files;
    MoveLog log(size);
    log.open(files, "kel.txt");
    for (auto _ : state) {
        benchmark::DoNotOptimize(shuffle(
            size, random, [&](int block, const Arrangement& arrangement) { return log.writeBlock(block, arrangement); }));
    }
}
BENCHMARK_CAPTURE(shuffleWithLog, board3x3, board3x3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(shuffleWithLog, board5x5, board5x5)->Unit(benchmark::kMicrosecond);

// A move on a 4x4 board, idle (0) or while the shortest way from its start is
// sought over and over on another thread (1), as the game seeks it while the
// first moves are made: the search must not slow play.
void moveWhileMeasuring(benchmark::State& state)
{
    test::SmallBoardHarness game(board4x4);
    game.board.start();
    solver::Solver solver({PINTU_BENCH_TABLES});
    solver.prepare(4); // the tables are read, or built once, before anything is timed
    const Arrangement start = *game.board.startArrangement();
    std::jthread search;
    if (state.range(0) != 0) {
        search = std::jthread([&solver, start](std::stop_token stop) {
            while (!stop.stop_requested())
                benchmark::DoNotOptimize(shortestWay(solver, start, stop));
        });
    }
    // Back and forth: a tile beside the blank slides and slides back.
    const bool lastColumn = start.blankCell() % start.side() == start.side() - 1;
    const Direction there = lastColumn ? Direction::Right : Direction::Left;
    const Direction back = lastColumn ? Direction::Left : Direction::Right;
    bool away = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.board.press((away = !away) ? there : back));
        if (game.screen.slides.size() > 100000)
            game.screen.slides.clear();
    }
}
BENCHMARK(moveWhileMeasuring)->ArgName("measuring")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kNanosecond);

void reverseHallOfFame(benchmark::State& state)
{
    LastLines records;
    for (int i = 0; i < state.range(0); ++i) {
        const std::string record = hallOfFameRecord("玩家" + std::to_string(i), 57, 124, "05-09-2001");
        records.lines.push_back({record.substr(0, record.size() - 2)});
    }
    const ViewerMarks marks{"…", [](std::int64_t earlier) { return std::to_string(earlier); }};
    for (auto _ : state)
        benchmark::DoNotOptimize(newestFirst(records, marks));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(reverseHallOfFame)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pintu

BENCHMARK_MAIN();
