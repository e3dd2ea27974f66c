#include "solver/Puzzle.h"

#include <cmath>

namespace pintu::solver {

namespace {

int squareSide(std::size_t count)
{
    const auto side = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(count))));
    return side >= 2 && side * side == count ? static_cast<int>(side) : 0;
}

bool isPermutation(const std::vector<int>& tiles)
{
    std::vector<bool> seen(tiles.size(), false);
    for (int tile : tiles) {
        if (tile < 0 || tile >= static_cast<int>(tiles.size()) || seen[tile])
            return false;
        seen[tile] = true;
    }
    return true;
}

// Every slide exchanges the blank with a neighbour: it flips the parity of the
// permutation and moves the blank one step nearer to or further from home. The
// two parities therefore stay equal on every reachable board, and every board
// where they are equal can be reached.
bool isSolvable(const Grid& grid, const std::vector<int>& tiles)
{
    std::vector<bool> visited(tiles.size(), false);
    int cycles = 0;
    for (std::size_t start = 0; start < tiles.size(); ++start) {
        if (visited[start])
            continue;
        ++cycles;
        for (std::size_t c = start; !visited[c]; c = static_cast<std::size_t>(tiles[c]))
            visited[c] = true;
    }
    const int permutationParity = (grid.cells() - cycles) % 2;

    return permutationParity == grid.distance(grid.blankCell(tiles), grid.blank()) % 2;
}

} // namespace

std::string_view describe(Flaw flaw)
{
    switch (flaw) {
    case Flaw::NotSquare:
        return "the count of tiles is not a square (4, 9, 16, 25, ...)";
    case Flaw::NotPermutation:
        return "not every tile from 0 to N*N-1 exactly once";
    case Flaw::Unsolvable:
        return "unsolvable: two tiles would have to change places";
    }
    return "unknown flaw";
}

std::variant<Puzzle, Flaw> Puzzle::from(std::vector<int> tiles)
{
    const int side = squareSide(tiles.size());
    if (side == 0)
        return Flaw::NotSquare;
    if (!isPermutation(tiles))
        return Flaw::NotPermutation;
    if (!isSolvable(Grid{side}, tiles))
        return Flaw::Unsolvable;
    return Puzzle(side, std::move(tiles));
}

} // namespace pintu::solver
