#include "board/Arrangement.h"

#include <cstdlib>
#include <numeric>
#include <utility>

namespace pintu {

Arrangement::Arrangement(int side, std::vector<int> tiles, int blank)
    : sideLength(side), tileOfCell(std::move(tiles)), blank(blank)
{
}

Arrangement Arrangement::solved(int side)
{
    std::vector<int> tiles(static_cast<std::size_t>(side) * side);
    std::iota(tiles.begin(), tiles.end(), 0);
    const int blank = side * side - 1;
    return Arrangement(side, std::move(tiles), blank);
}

std::optional<Arrangement> Arrangement::fromTiles(int side, std::vector<int> tiles)
{
    const int cells = side * side;
    if (side < 1 || static_cast<int>(tiles.size()) != cells)
        return std::nullopt;
    std::vector<bool> seen(cells, false);
    int blank = -1;
    for (int c = 0; c < cells; ++c) {
        const int tile = tiles[c];
        if (tile < 0 || tile >= cells || seen[tile])
            return std::nullopt;
        seen[tile] = true;
        if (tile == cells - 1)
            blank = c;
    }
    return Arrangement(side, std::move(tiles), blank);
}

std::optional<Move> Arrangement::moveFor(int cell) const
{
    if (cell < 0 || cell >= cells())
        return std::nullopt;
    const int rowDistance = std::abs(cell / sideLength - blank / sideLength);
    const int columnDistance = std::abs(cell % sideLength - blank % sideLength);
    if (rowDistance + columnDistance != 1)
        return std::nullopt;
    return Move{cell, blank};
}

std::optional<Move> Arrangement::moveFor(Direction direction) const
{
    const int row = blank / sideLength;
    const int column = blank % sideLength;
    switch (direction) {
    case Direction::Left:
        return column + 1 < sideLength ? std::optional(Move{blank + 1, blank}) : std::nullopt;
    case Direction::Right:
        return column > 0 ? std::optional(Move{blank - 1, blank}) : std::nullopt;
    case Direction::Up:
        return row + 1 < sideLength ? std::optional(Move{blank + sideLength, blank}) : std::nullopt;
    case Direction::Down:
        return row > 0 ? std::optional(Move{blank - sideLength, blank}) : std::nullopt;
    }
    return std::nullopt;
}

void Arrangement::apply(Move move)
{
    std::swap(tileOfCell[move.from], tileOfCell[move.to]);
    blank = move.from;
}

bool Arrangement::isSolved() const
{
    for (int c = 0; c < cells(); ++c) {
        if (tileOfCell[c] != c)
            return false;
    }
    return true;
}

// Every slide exchanges the blank with a neighbour: it flips the parity of the
// permutation and moves the blank one step nearer to or further from home. The
// two parities therefore stay equal on every reachable arrangement, and every
// arrangement where they are equal can be reached.
bool Arrangement::isSolvable() const
{
    std::vector<bool> visited(tileOfCell.size(), false);
    int cycles = 0;
    for (std::size_t start = 0; start < tileOfCell.size(); ++start) {
        if (visited[start])
            continue;
        ++cycles;
        for (std::size_t c = start; !visited[c]; c = static_cast<std::size_t>(tileOfCell[c]))
            visited[c] = true;
    }
    const int permutationParity = (cells() - cycles) % 2;
    const int home = blankTile();
    const int blankDistance =
        std::abs(blank / sideLength - home / sideLength) + std::abs(blank % sideLength - home % sideLength);
    return permutationParity == blankDistance % 2;
}

} // namespace pintu
