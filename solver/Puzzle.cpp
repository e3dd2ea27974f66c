#include "solver/Puzzle.h"

#include "board/Arrangement.h"

#include <cmath>

namespace pintu::solver {

namespace {

int squareSide(std::size_t count)
{
    const auto side = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(count))));
    return side >= 2 && side * side == count ? static_cast<int>(side) : 0;
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
    const auto arrangement = Arrangement::fromTiles(side, tiles);
    if (!arrangement)
        return Flaw::NotPermutation;
    if (!arrangement->isSolvable())
        return Flaw::Unsolvable;
    return Puzzle(side, std::move(tiles));
}

} // namespace pintu::solver
