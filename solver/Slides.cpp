#include "solver/Slides.h"

#include <algorithm>
#include <utility>

namespace pintu::solver {

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

bool isSolved(std::span<const int> tiles)
{
    for (std::size_t c = 0; c < tiles.size(); ++c) {
        if (tiles[c] != static_cast<int>(c))
            return false;
    }
    return true;
}

std::vector<int> withoutReturns(std::span<const int> slides)
{
    std::vector<int> kept;
    kept.reserve(slides.size());
    for (int tile : slides) {
        if (!kept.empty() && kept.back() == tile)
            kept.pop_back();
        else
            kept.push_back(tile);
    }
    return kept;
}

} // namespace pintu::solver
