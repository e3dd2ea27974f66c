#include "solver/Grid.h"
#include "solver/RedundantMoves.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

namespace pintu::solver {
namespace {

// The blank's steps from `cell` on a 5x5 board, as the automaton numbers them.
std::vector<std::pair<int, int>> stepsFrom(const Grid& grid, int cell)
{
    std::vector<std::pair<int, int>> steps;
    if (grid.row(cell) > 0)
        steps.emplace_back(RedundantMoves::Up, cell - grid.side);
    if (grid.row(cell) < grid.side - 1)
        steps.emplace_back(RedundantMoves::Down, cell + grid.side);
    if (grid.column(cell) > 0)
        steps.emplace_back(RedundantMoves::Left, cell - 1);
    if (grid.column(cell) < grid.side - 1)
        steps.emplace_back(RedundantMoves::Right, cell + 1);
    return steps;
}

class SkippingRedundantMoves : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(BlankIn, SkippingRedundantMoves, ::testing::Values(0, 2, 12));

// Every board the blank's walks reach, from a blank in the corner, on an
// edge or in the middle, is still reached by a walk the automaton keeps, as
// short as the shortest of all.
TEST_P(SkippingRedundantMoves, KeepsAShortestWalkToEveryBoard)
{
    const Grid grid{5};
    const RedundantMoves& moves = RedundantMoves::shared();
    constexpr int longest = 10;
    std::string board(static_cast<std::size_t>(grid.cells()), ' ');
    std::iota(board.begin(), board.end(), 'a');
    const int start = GetParam();

    std::unordered_map<std::string, int> distance{{board, 0}};
    std::vector<std::pair<std::string, int>> layer{{board, start}};
    for (int depth = 1; depth <= longest; ++depth) {
        std::vector<std::pair<std::string, int>> next;
        for (const auto& [seen, blank] : layer) {
            for (const auto& [step, to] : stepsFrom(grid, blank)) {
                std::string moved = seen;
                std::swap(moved[static_cast<std::size_t>(blank)], moved[static_cast<std::size_t>(to)]);
                if (distance.emplace(moved, depth).second)
                    next.emplace_back(std::move(moved), to);
            }
        }
        layer = std::move(next);
    }

    std::unordered_map<std::string, bool> reachedAsShort;
    const std::function<void(int, int, std::int32_t)> walk = [&](int depth, int blank, std::int32_t state) {
        if (distance.at(board) == depth)
            reachedAsShort[board] = true;
        if (depth == longest)
            return;
        for (const auto& [step, to] : stepsFrom(grid, blank)) {
            const std::int32_t after = moves.after(state, step);
            if (after == RedundantMoves::skipped)
                continue;
            std::swap(board[static_cast<std::size_t>(blank)], board[static_cast<std::size_t>(to)]);
            walk(depth + 1, to, after);
            std::swap(board[static_cast<std::size_t>(blank)], board[static_cast<std::size_t>(to)]);
        }
    };
    walk(0, start, RedundantMoves::start);
    EXPECT_EQ(reachedAsShort.size(), distance.size());
}

} // namespace
} // namespace pintu::solver
