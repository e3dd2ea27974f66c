#include "tests/solver/SolverTestSupport.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <unordered_set>
#include <utility>

namespace pintu::solver::test {

namespace {

// Slides each tile in turn into the blank beside it; false at the first tile
// that is not beside the blank.
bool applySlides(const Grid& grid, std::vector<int>& tiles, std::span<const int> slides)
{
    int blank = grid.blankCell(tiles);
    if (blank == static_cast<int>(tiles.size()))
        return slides.empty();
    for (int tile : slides) {
        const Adjacent beside = grid.adjacent(blank);
        const auto from = std::find_if(beside.begin(), beside.end(), [&](int cell) { return tiles[cell] == tile; });
        if (from == beside.end())
            return false;
        std::swap(tiles[blank], tiles[*from]);
        blank = *from;
    }
    return true;
}

} // namespace

Puzzle puzzleOf(std::vector<int> tiles)
{
    return std::get<Puzzle>(Puzzle::from(std::move(tiles)));
}

std::vector<int> solvedTiles(int side)
{
    std::vector<int> tiles(static_cast<std::size_t>(side * side));
    std::iota(tiles.begin(), tiles.end(), 0);
    return tiles;
}

std::vector<int> walkedTiles(int side, int steps, std::uint64_t seed)
{
    const Grid grid{side};
    std::mt19937_64 random(seed);
    std::vector<int> tiles = solvedTiles(side);
    int blank = grid.blank();
    for (int step = 0; step < steps; ++step) {
        const Adjacent beside = grid.adjacent(blank);
        const int next = beside.cells[random() % static_cast<std::uint64_t>(beside.count)];
        std::swap(tiles[blank], tiles[next]);
        blank = next;
    }
    return tiles;
}

std::vector<int> randomTiles(int side, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::vector<int> tiles = solvedTiles(side);
    for (std::size_t i = tiles.size() - 1; i > 0; --i)
        std::swap(tiles[i], tiles[random() % (i + 1)]);
    if (std::holds_alternative<Flaw>(Puzzle::from(tiles))) {
        // Exchanging two tiles other than the blank flips the parity.
        const auto first = std::find_if(tiles.begin(), tiles.end(), [&](int t) { return t != side * side - 1; });
        const auto second = std::find_if(first + 1, tiles.end(), [&](int t) { return t != side * side - 1; });
        std::iter_swap(first, second);
    }
    return tiles;
}

bool solves(const Puzzle& puzzle, std::span<const int> slides)
{
    std::vector<int> tiles = puzzle.tiles();
    return applySlides(puzzle.grid(), tiles, slides) && tiles == solvedTiles(puzzle.grid().side);
}

std::vector<KnownDistance> arrangementsNearSolved(int side, int depth)
{
    const Grid grid{side};
    const auto key = [](const std::vector<int>& tiles) { return std::string(tiles.begin(), tiles.end()); };
    std::vector<KnownDistance> found{{solvedTiles(side), 0}};
    std::unordered_set<std::string> seen{key(found.front().tiles)};
    for (std::size_t next = 0; next < found.size() && found[next].distance < depth; ++next) {
        const std::vector<int> tiles = found[next].tiles;
        const int blank = grid.blankCell(tiles);
        for (int from : grid.adjacent(blank)) {
            std::vector<int> moved = tiles;
            std::swap(moved[blank], moved[from]);
            if (seen.insert(key(moved)).second)
                found.push_back({std::move(moved), found[next].distance + 1});
        }
    }
    return found;
}

} // namespace pintu::solver::test
