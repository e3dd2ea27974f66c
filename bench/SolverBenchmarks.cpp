// What a player waits for when the game shows a hint or solves a board: every
// 3x3 arrangement, Korf's hundred 4x4 boards and shuffled ones, 200 shuffled
// 5x5 boards within the two-second budget, random boards of the largest side
// pintu-solve answers, the pattern tables' build (against the builder it
// replaced), memory, stop and load, and the first hint on a machine that has
// no tables yet.
// Each benchmark runs its whole set once; run in a Release or RelWithDebInfo
// build: build/bench/solver_benchmarks.
#include "bench/KorfsHundred.h"
#include "bench/PeakMemory.h"
#include "bench/ReferencePatternTable.h"
#include "board/Shuffle.h"
#include "platform/SeededRandom.h"
#include "solver/cli/SolveLines.h"
#include "solver/ExactTable.h"
#include "solver/patterns/PatternStore.h"
#include "solver/Puzzle.h"
#include "solver/Solver.h"
#include "tests/solver/SolverTestSupport.h"
#include "tests/solver/TempFolder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <stdexcept>
#include <string>
#include <thread>

namespace pintu::solver {
namespace {

using SteadyClock = std::chrono::steady_clock;
using bench::peakMegabytes;
using bench::resetPeak;

// The game's own shuffle, called in this one place only.
std::vector<int> gameShuffle(const BoardSize& size, std::uint64_t seed)
{
    SeededRandom random;
    random.seed(seed);
    return shuffle(size, random, nullptr)->tiles();
}

std::vector<std::vector<int>> gameShuffles(const BoardSize& size, std::uint64_t count)
{
    std::vector<std::vector<int>> boards;
    for (std::uint64_t seed = 1; seed <= count; ++seed)
        boards.push_back(gameShuffle(size, seed));
    return boards;
}

// Both cores' time, as a search may use both.
double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Solver& solver()
{
    static Solver shared({PINTU_BENCH_TABLES, std::chrono::milliseconds(2000)});
    return shared;
}

// Solves every board once, checks every answer, and reports the spread.
void solveAll(benchmark::State& state, const std::vector<std::vector<int>>& boards, double timeScale,
              const char* timeUnit)
{
    for (auto _ : state) {
        std::vector<double> times;
        std::vector<double> cpuTimes;
        std::vector<std::uint64_t> nodes;
        double moves = 0;
        int optimal = 0;
        for (const std::vector<int>& tiles : boards) {
            const Puzzle puzzle = std::get<Puzzle>(Puzzle::from(tiles));
            const double cpuStart = processorSeconds();
            const auto start = SteadyClock::now();
            const Answer answer = solver().solve(puzzle);
            times.push_back(std::chrono::duration<double>(SteadyClock::now() - start).count() * timeScale);
            cpuTimes.push_back((processorSeconds() - cpuStart) * timeScale);
            if (!test::solves(puzzle, answer.slides))
                throw std::logic_error("an answer does not solve its board");
            nodes.push_back(answer.nodes);
            moves += static_cast<double>(answer.slides.size());
            optimal += answer.verdict == Verdict::Optimal;
        }
        std::sort(times.begin(), times.end());
        const auto count = static_cast<double>(boards.size());
        state.counters[std::string("median_") + timeUnit] = times[times.size() / 2];
        state.counters[std::string("worst_") + timeUnit] = times.back();
        state.counters[std::string("mean_") + timeUnit] = std::accumulate(times.begin(), times.end(), 0.0) / count;
        // On a shared machine the processor time a board took tells more than the wall clock.
        state.counters[std::string("cpu_mean_") + timeUnit] =
            std::accumulate(cpuTimes.begin(), cpuTimes.end(), 0.0) / count;
        state.counters[std::string("cpu_worst_") + timeUnit] = *std::max_element(cpuTimes.begin(), cpuTimes.end());
        state.counters["nodes_mean"] = static_cast<double>(std::accumulate(nodes.begin(), nodes.end(), 0ull)) / count;
        state.counters["nodes_max"] = static_cast<double>(*std::max_element(nodes.begin(), nodes.end()));
        state.counters["moves_mean"] = moves / count;
        state.counters["optimal"] = optimal;
        state.counters["optimal_share"] = optimal / count;
        state.counters["boards"] = count;
    }
}

double secondsSince(SteadyClock::time_point start)
{
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

const char* nameOf(PatternSet set)
{
    switch (set) {
    case PatternSet::FourByFour:
        return "4x4";
    case PatternSet::FiveByFive:
        return "5x5";
    case PatternSet::LargeFiveByFive:
        break;
    }
    return "large_5x5";
}

// The game's build of one set of tables, then, for the smaller sets, the
// builder it replaced on the same tables, one after another as it built them:
// the ratio of the two times holds however busy the machine is while both
// run. Every table must come out the same, byte for byte.
void buildTables(benchmark::State& state, PatternSet set)
{
    for (auto _ : state) {
        resetPeak();
        const double before = peakMegabytes();
        PatternStore store(std::nullopt);
        const double cpuStart = processorSeconds();
        auto start = SteadyClock::now();
        const PatternStore::Tables tables = store.tablesFor(set, {});
        const double built = secondsSince(start);
        const double builtCpu = processorSeconds() - cpuStart;
        state.counters["build_s"] = built;
        state.counters["build_cpu_s"] = builtCpu;
        state.counters["table_MB"] = static_cast<double>(tables.heuristic->tableBytes()) / 1e6;
        state.counters["build_peak_MB"] = peakMegabytes() - before;
        // The plain builder would take minutes over the large tables.
        if (set == PatternSet::LargeFiveByFive)
            continue;

        const double replacedCpuStart = processorSeconds();
        start = SteadyClock::now();
        for (const PatternUse& use : tables.heuristic->patterns()) {
            if (reference::buildPatternTable(use.table->side, use.table->tiles).entries != use.table->entries)
                throw std::logic_error("a table differs from the one the replaced builder makes");
        }
        const double replaced = secondsSince(start);
        const double replacedCpu = processorSeconds() - replacedCpuStart;
        state.counters["replaced_s"] = replaced;
        state.counters["replaced_cpu_s"] = replacedCpu;
        state.counters["ratio"] = replaced / built;
        state.counters["cpu_ratio"] = replacedCpu / builtCpu;
    }
}
BENCHMARK_CAPTURE(buildTables, tables4x4, PatternSet::FourByFour)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(buildTables, tables5x5, PatternSet::FiveByFive)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(buildTables, largeTables5x5, PatternSet::LargeFiveByFive)->Iterations(1)->Unit(benchmark::kSecond);

// How long a build takes to end once asked to stop, a third of the way through.
void stopBuild(benchmark::State& state)
{
    for (auto _ : state) {
        const test::TempFolder folder;
        PatternStore store(folder.path());
        std::stop_source stop;
        SteadyClock::time_point asked;
        std::jthread build([&] { store.prepare({PatternSet::FourByFour, PatternSet::FiveByFive}, stop.get_token()); });
        while (store.buildProgress().value_or(0) < 33)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        asked = SteadyClock::now();
        stop.request_stop();
        build.join();
        state.counters["stop_ms"] = secondsSince(asked) * 1e3;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.path().extension() != ".pdb")
                throw std::logic_error("a stopped build left " + entry.path().string());
        }
    }
}
BENCHMARK(stopBuild)->Iterations(1)->Unit(benchmark::kMillisecond);

// A board opened on a machine without tables: the game gets its tables ready
// at once, and the player asks for a hint straight away. The large 5x5
// tables follow in the background, waiting while the hint's search runs.
void firstHint(benchmark::State& state, int side, const BoardSize& size)
{
    for (auto _ : state) {
        const test::TempFolder folder;
        Solver fresh({folder.path(), std::chrono::milliseconds(2000)});
        const Puzzle puzzle = std::get<Puzzle>(Puzzle::from(gameShuffle(size, 1)));
        resetPeak();
        const double before = peakMegabytes();
        const auto start = SteadyClock::now();
        double allTables = 0;
        std::jthread prepare([&] {
            fresh.prepare(side);
            allTables = secondsSince(start);
        });
        const Answer answer = fresh.solve(puzzle);
        state.counters["answer_s"] = secondsSince(start);
        state.counters["optimal"] = answer.verdict == Verdict::Optimal;
        prepare.join();
        state.counters["all_tables_s"] = allTables;
        state.counters["peak_MB"] = peakMegabytes() - before;
    }
}
BENCHMARK_CAPTURE(firstHint, board4x4, 4, board4x4)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(firstHint, board5x5, 5, board5x5)->Iterations(1)->Unit(benchmark::kSecond);

void loadTables(benchmark::State& state)
{
    // Building them into the folder first, if they are not there yet, is not timed.
    solver().prepare(4);
    solver().prepare(5);
    for (auto _ : state) {
        PatternStore store(PINTU_BENCH_TABLES);
        for (PatternSet set : {PatternSet::FourByFour, PatternSet::FiveByFive, PatternSet::LargeFiveByFive}) {
            const auto start = SteadyClock::now();
            store.tablesFor(set, {});
            state.counters[std::string("load_") + nameOf(set) + "_ms"] =
                std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
        }
    }
}
BENCHMARK(loadTables)->Iterations(1)->Unit(benchmark::kMillisecond);

void threeByThreeTable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ExactTable(3).distances().data());
}
BENCHMARK(threeByThreeTable)->Unit(benchmark::kMillisecond);

void everyThreeByThree(benchmark::State& state)
{
    std::vector<std::vector<int>> boards;
    std::vector<int> tiles{0, 1, 2, 3, 4, 5, 6, 7, 8};
    do {
        if (std::holds_alternative<Puzzle>(Puzzle::from(tiles)))
            boards.push_back(tiles);
    } while (std::next_permutation(tiles.begin(), tiles.end()));
    solver().solve(std::get<Puzzle>(Puzzle::from(tiles))); // the table is built once, before timing
    solveAll(state, boards, 1e6, "us");
}
BENCHMARK(everyThreeByThree)->Iterations(1)->Unit(benchmark::kSecond);

void korfsHundredBoards(benchmark::State& state)
{
    std::vector<std::vector<int>> boards;
    for (const std::array<int, 16>& published : korfsHundred) {
        // Turned half a turn, tile t becomes 15 - t, and the blank comes home bottom-right.
        std::vector<int> tiles(16);
        for (int c = 0; c < 16; ++c)
            tiles[15 - c] = 15 - published[c];
        boards.push_back(tiles);
    }
    solver().prepare(4);
    solveAll(state, boards, 1e3, "ms");
}
BENCHMARK(korfsHundredBoards)->Iterations(1)->Unit(benchmark::kSecond);

void shuffledFourByFour(benchmark::State& state)
{
    solver().prepare(4);
    solveAll(state, gameShuffles(board4x4, 100), 1e3, "ms");
}
BENCHMARK(shuffledFourByFour)->Iterations(1)->Unit(benchmark::kSecond);

void shuffledFiveByFive(benchmark::State& state)
{
    solver().prepare(5);
    solveAll(state, gameShuffles(board5x5, 200), 1e3, "ms");
}
BENCHMARK(shuffledFiveByFive)->Iterations(1)->Unit(benchmark::kSecond);

void shuffledTenByTen(benchmark::State& state)
{
    solveAll(state, gameShuffles(board10x10, 20), 1e3, "ms");
}
BENCHMARK(shuffledTenByTen)->Iterations(1)->Unit(benchmark::kSecond);

// The largest side pintu-solve answers, on boards far from solved.
void randomLargest(benchmark::State& state)
{
    std::vector<std::vector<int>> boards;
    for (std::uint64_t seed = 1; seed <= 5; ++seed)
        boards.push_back(test::randomTiles(cli::largestSide, seed));
    resetPeak();
    solveAll(state, boards, 1e3, "ms");
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(randomLargest)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace pintu::solver

BENCHMARK_MAIN();
