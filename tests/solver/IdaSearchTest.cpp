#include "solver/IdaSearch.h"
#include "solver/patterns/PatternGroups.h"
#include "solver/RedundantMoves.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace pintu::solver {
namespace {

using test::puzzleOf;

// Weak but quick: eight patterns of three tiles, each built in a blink.
const PatternHeuristic& threeTileFiveByFiveTables()
{
    static const PatternHeuristic heuristic = [] {
        std::vector<PatternTable> tables;
        for (int first = 0; first < 24; first += 3)
            tables.push_back(*buildPatternTable(5, {first, first + 1, first + 2}, {}));
        return PatternHeuristic(std::move(tables));
    }();
    return heuristic;
}

TEST(IdaSearch, FourByFourNeverOverestimatesNearSolved)
{
    for (const auto& known : test::arrangementsNearSolved(4, 15))
        ASSERT_LE(test::sharedFourByFour().estimate(known.tiles), known.distance);
}

TEST(IdaSearch, FourByFourMatchesBreadthFirstSearchNearSolved)
{
    const auto near = test::arrangementsNearSolved(4, 15);
    // Every one of the first thousand, then a spread up to the farthest.
    for (std::size_t i = 0; i < near.size(); i += i < 1000 ? 1 : 97) {
        const Puzzle puzzle = puzzleOf(near[i].tiles);
        const SearchResult result = searchOptimal(puzzle, test::sharedFourByFour(), {});
        ASSERT_EQ(result.end, SearchEnd::Solved);
        ASSERT_EQ(static_cast<int>(result.slides.size()), near[i].distance) << "arrangement " << i;
        ASSERT_TRUE(test::solves(puzzle, result.slides));
    }
}

struct KnownInstance {
    std::vector<int> tiles; // as published: blank 0, solved with the blank top-left
    std::size_t length;
};

TEST(IdaSearch, FourByFourFindsThePublishedOptimaOfKorfsInstances)
{
    const std::vector<KnownInstance> instances{
        {{14, 13, 15, 7, 11, 12, 9, 5, 6, 0, 2, 1, 4, 8, 10, 3}, 57},
        {{13, 5, 4, 10, 9, 12, 8, 14, 2, 3, 7, 1, 0, 15, 11, 6}, 55},
        {{5, 12, 10, 7, 15, 11, 14, 0, 8, 2, 1, 13, 3, 4, 9, 6}, 56},
        {{4, 7, 14, 13, 10, 3, 9, 12, 11, 5, 6, 15, 1, 2, 8, 0}, 56},
    };
    for (const KnownInstance& instance : instances) {
        // Turned half a turn, tile t becomes 15 - t, and the blank comes home bottom-right.
        std::vector<int> tiles(16);
        for (int c = 0; c < 16; ++c)
            tiles[15 - c] = 15 - instance.tiles[c];
        const Puzzle puzzle = puzzleOf(tiles);
        const SearchResult result = searchOptimal(puzzle, test::sharedFourByFour(), {});
        EXPECT_EQ(result.slides.size(), instance.length);
        EXPECT_TRUE(test::solves(puzzle, result.slides));
    }
}

TEST(IdaSearch, FiveByFiveMatchesBreadthFirstSearchNearSolved)
{
    const auto near = test::arrangementsNearSolved(5, 10);
    for (std::size_t i = 0; i < near.size(); i += 41) {
        const Puzzle puzzle = puzzleOf(near[i].tiles);
        const SearchResult result = searchOptimal(puzzle, threeTileFiveByFiveTables(), {});
        ASSERT_EQ(static_cast<int>(result.slides.size()), near[i].distance) << "arrangement " << i;
        ASSERT_TRUE(test::solves(puzzle, result.slides));
    }
}

TEST(IdaSearch, StopsSoonAfterBeingAsked)
{
    // Far beyond what these tables can prove in any reasonable time.
    const Puzzle puzzle = puzzleOf(test::randomTiles(5, 1));
    const PatternHeuristic& heuristic = threeTileFiveByFiveTables();
    // Found once per process, before the first search starts.
    RedundantMoves::shared();
    std::stop_source stop;
    const std::jthread asker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.request_stop();
    });
    const SearchResult result = searchOptimal(puzzle, heuristic, {stop.get_token(), std::nullopt});
    EXPECT_EQ(result.end, SearchEnd::Stopped);
    EXPECT_TRUE(result.slides.empty());
    EXPECT_GT(result.nodes, 0u);
}

TEST(IdaSearch, GivesUpAtTheDeadline)
{
    const Puzzle puzzle = puzzleOf(test::randomTiles(5, 2));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
    EXPECT_EQ(searchOptimal(puzzle, threeTileFiveByFiveTables(), {{}, deadline}).end, SearchEnd::OutOfTime);
}

} // namespace
} // namespace pintu::solver
