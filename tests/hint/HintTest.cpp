#include "hint/Hint.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>
#include <random>

namespace pintu {
namespace {

// Every 3x3 arrangement's true distance from the whole picture, by a plain
// breadth-first search that knows nothing of the solver.
const std::map<std::vector<int>, int>& distances3x3()
{
    static const std::map<std::vector<int>, int> distances = [] {
        std::map<std::vector<int>, int> found{{Arrangement::solved(3).tiles(), 0}};
        std::queue<Arrangement> frontier;
        frontier.push(Arrangement::solved(3));
        while (!frontier.empty()) {
            const Arrangement here = frontier.front();
            frontier.pop();
            for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
                const auto move = here.moveFor(direction);
                if (!move)
                    continue;
                Arrangement next = here;
                next.apply(*move);
                if (found.emplace(next.tiles(), found.at(here.tiles()) + 1).second)
                    frontier.push(next);
            }
        }
        return found;
    }();
    return distances;
}

Arrangement randomWalk(int side, int moves, std::mt19937& random)
{
    Arrangement arrangement = Arrangement::solved(side);
    for (int m = 0; m < moves; ++m) {
        const auto move = arrangement.moveFor(static_cast<Direction>(random() % 4));
        if (move)
            arrangement.apply(*move);
    }
    return arrangement;
}

TEST(Hint, NamesATileBesideTheBlankOnTheShortestWayHome)
{
    solver::Solver solver;
    std::mt19937 random(11);
    const auto& distances = distances3x3();
    for (int round = 0; round < 300; ++round) {
        Arrangement arrangement = randomWalk(3, 5 + round % 60, random);
        if (arrangement.isSolved())
            continue;
        // Following the hints takes exactly the true distance, one move less each time.
        int left = distances.at(arrangement.tiles());
        while (!arrangement.isSolved()) {
            const auto hint = findHint(solver, arrangement);
            ASSERT_TRUE(hint);
            ASSERT_TRUE(hint->proven);
            ASSERT_EQ(hint->movesLeft, left);
            const auto move = arrangement.moveFor(hint->cell);
            ASSERT_TRUE(move) << "cell " << hint->cell << " is not beside the blank " << arrangement.blankCell();
            arrangement.apply(*move);
            --left;
        }
        ASSERT_EQ(left, 0);
    }
}

TEST(ShortestWay, IsTheTrueDistanceOfEvery3x3Start)
{
    solver::Solver solver;
    std::mt19937 random(17);
    const auto& distances = distances3x3();
    // The whole picture and a start as far from it as any, among games' shuffles.
    std::vector<Arrangement> starts{Arrangement::solved(3)};
    const auto farthest = std::ranges::max_element(distances, {}, [](const auto& known) { return known.second; });
    starts.push_back(*Arrangement::fromTiles(3, farthest->first));
    for (int round = 0; round < 200; ++round)
        starts.push_back(randomWalk(3, 100, random));
    for (const Arrangement& start : starts) {
        const auto way = shortestWay(solver, start);
        ASSERT_TRUE(way);
        EXPECT_EQ(*way, (ShortestWay{distances.at(start.tiles()), true}));
    }
}

TEST(Hint, OnALargerBoardWithoutTimeToProveItSaysAbout)
{
    solver::Solver solver(solver::SolverOptions{.tableFolder = std::nullopt, .budget = std::chrono::milliseconds(0)});
    std::mt19937 random(5);
    const Arrangement arrangement = randomWalk(5, 200, random);
    const auto hint = findHint(solver, arrangement);
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->proven);
    EXPECT_GT(hint->movesLeft, 0);
    EXPECT_TRUE(arrangement.moveFor(hint->cell));
}

TEST(Hint, NoneForTheWholePictureNorForASearchAskedToStop)
{
    solver::Solver solver;
    EXPECT_EQ(findHint(solver, Arrangement::solved(3)), std::nullopt);
    // A search that must look hard gives up as soon as it is asked to.
    std::stop_source stop;
    stop.request_stop();
    std::mt19937 random(3);
    EXPECT_EQ(findHint(solver, randomWalk(5, 200, random), stop.get_token()), std::nullopt);
    EXPECT_EQ(shortestWay(solver, randomWalk(5, 200, random), stop.get_token()), std::nullopt);
}

} // namespace
} // namespace pintu
