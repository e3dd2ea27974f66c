// Speed of the work a player waits for: the shuffle inside "开始" and the
// hall of fame's reversal when the viewer opens.
#include "board/MoveLog.h"
#include "board/Shuffle.h"
#include "genius/HallOfFame.h"
#include "platform/SeededRandom.h"
#include "tests/fakes/FakeFiles.h"

#include <benchmark/benchmark.h>

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
