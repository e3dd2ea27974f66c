#include "solver/patterns/PatternHeuristic.h"

#include "solver/PlacementRank.h"

#include <algorithm>
#include <utility>

namespace pintu::solver {

PatternHeuristic::PatternHeuristic(std::vector<PatternTable> tables)
    : board{tables.front().side}, tables(std::move(tables))
{
}

int PatternHeuristic::estimate(std::span<const int> tiles) const
{
    std::vector<int> cellOf(tiles.size());
    for (std::size_t c = 0; c < tiles.size(); ++c)
        cellOf[tiles[c]] = static_cast<int>(c);
    // The mirror's tiles lie as far from home as the board's.
    int manhattan = 0;
    for (int tile = 0; tile < board.blank(); ++tile)
        manhattan += board.distance(cellOf[tile], tile);
    int direct = 0;
    int mirrored = 0;
    for (const PatternTable& table : tables) {
        std::vector<int> cells;
        std::vector<int> mirroredCells;
        // Tiles are named by their home cells, so mirroring renames them too.
        for (int tile : table.tiles) {
            cells.push_back(cellOf[tile]);
            mirroredCells.push_back(board.transposed(cellOf[board.transposed(tile)]));
        }
        direct += table.extra(placementRank(cells, board.cells()));
        mirrored += table.extra(placementRank(mirroredCells, board.cells()));
    }
    return manhattan + 2 * std::max(direct, mirrored);
}

std::size_t PatternHeuristic::tableBytes() const
{
    std::size_t bytes = 0;
    for (const PatternTable& table : tables)
        bytes += table.entries.size();
    return bytes;
}

} // namespace pintu::solver
