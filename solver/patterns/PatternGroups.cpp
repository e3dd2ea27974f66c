#include "solver/patterns/PatternGroups.h"

#include <algorithm>

namespace pintu::solver {

std::vector<std::vector<int>> patternTiles(std::span<const int> groups)
{
    std::vector<std::vector<int>> tiles(static_cast<std::size_t>(*std::max_element(groups.begin(), groups.end()) + 1));
    for (std::size_t tile = 0; tile < groups.size(); ++tile) {
        if (groups[tile] >= 0)
            tiles[static_cast<std::size_t>(groups[tile])].push_back(static_cast<int>(tile));
    }
    return tiles;
}

} // namespace pintu::solver
