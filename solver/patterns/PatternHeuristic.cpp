#include "solver/patterns/PatternHeuristic.h"

#include "solver/PlacementRank.h"

#include <algorithm>
#include <set>
#include <utility>

namespace pintu::solver {

namespace {

std::vector<PatternUse> asTheyAre(std::vector<PatternTable> tables)
{
    std::vector<PatternUse> uses;
    for (PatternTable& table : tables) {
        const Grid grid{table.side};
        uses.push_back({std::make_shared<const PatternTable>(std::move(table)), BoardSymmetry(grid, 0)});
    }
    return uses;
}

} // namespace

PatternHeuristic::PatternHeuristic(std::vector<PatternUse> patterns)
    : board{patterns.front().table->side}, uses(std::move(patterns))
{
}

PatternHeuristic::PatternHeuristic(std::vector<PatternTable> tables) : PatternHeuristic(asTheyAre(std::move(tables))) {}

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
    for (const PatternUse& use : uses) {
        std::vector<int> cells;
        std::vector<int> mirroredCells;
        // Tiles are named by their home cells, so mirroring renames them too.
        for (int slot = 0; slot < static_cast<int>(use.table->tiles.size()); ++slot) {
            const int tile = use.tile(slot);
            cells.push_back(use.symmetry.undo(cellOf[tile]));
            mirroredCells.push_back(use.symmetry.undo(board.transposed(cellOf[board.transposed(tile)])));
        }
        direct += use.table->extra(placementRank(cells, board.cells()));
        mirrored += use.table->extra(placementRank(mirroredCells, board.cells()));
    }
    return manhattan + 2 * std::max(direct, mirrored);
}

std::size_t PatternHeuristic::tableBytes() const
{
    std::set<const PatternTable*> tables;
    std::size_t bytes = 0;
    for (const PatternUse& use : uses) {
        if (tables.insert(use.table.get()).second)
            bytes += use.table->entries.size();
    }
    return bytes;
}

} // namespace pintu::solver
