#include "solver/IdaSearch.h"

#include "solver/PlacementRank.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace pintu::solver {

namespace {

// Often enough to answer a stop within about a millisecond, seldom enough
// that looking at the clock costs nothing measurable.
constexpr std::uint64_t interruptCheckInterval = 1 << 13;
constexpr int maxPatternTiles = 8;

using PatternCells = std::array<int, maxPatternTiles>;
using PatternWeights = std::array<std::int32_t, maxPatternTiles>;

// Where a tile's cell is kept: which pattern, which place in it.
struct Place {
    int pattern = 0;
    int slot = 0;
};

// The board and, for each pattern, the cells of its tiles on the board and on
// the board's mirror image, kept up to date slide by slide so that a child is
// weighed by changing one cell of two patterns.
template <int Cells>
class Search {
public:
    Search(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits)
        : grid(puzzle.grid()), limits(limits)
    {
        for (const PatternTable& table : heuristic.patterns()) {
            Pattern& pattern = patterns[patternCount];
            pattern.tiles = static_cast<int>(table.tiles.size());
            pattern.moves = table.moves.data();
            placementWeights(Cells, std::span(pattern.weights.data(), pattern.tiles));
            for (int slot = 0; slot < pattern.tiles; ++slot)
                direct[table.tiles[slot]] = {patternCount, slot};
            ++patternCount;
        }
        for (int c = 0; c < Cells; ++c) {
            transposed[c] = grid.transposed(c);
            neighbours[c] = grid.adjacent(c);
        }
        // The mirror image holds tile t's mirror, named by its home cell, in
        // the mirror of t's cell.
        for (int tile = 0; tile < grid.blank(); ++tile)
            mirrored[tile] = direct[transposed[tile]];
        for (int c = 0; c < Cells; ++c) {
            tiles[c] = puzzle.tiles()[c];
            if (tiles[c] == grid.blank())
                continue;
            cellOf(direct[tiles[c]]) = c;
            mirroredCellOf(mirrored[tiles[c]]) = transposed[c];
        }
        for (int p = 0; p < patternCount; ++p) {
            Pattern& pattern = patterns[p];
            const std::span<const int> cells(pattern.cells.data(), pattern.tiles);
            const std::span<const int> mirroredCells(pattern.mirroredCells.data(), pattern.tiles);
            pattern.index = placementRank(cells, Cells);
            pattern.mirroredIndex = placementRank(mirroredCells, Cells);
            directSum += pattern.moves[pattern.index];
            mirroredSum += pattern.moves[pattern.mirroredIndex];
        }
    }

    SearchResult run()
    {
        SearchResult result;
        result.end = SearchEnd::Solved;
        const int blank = grid.blankCell(tiles);
        for (int bound = std::max(directSum, mirroredSum); bound > 0; bound = nextBound) {
            if (const auto end = interruption()) {
                result.end = *end;
                break;
            }
            nextBound = std::numeric_limits<int>::max();
            const Step step = explore(0, bound, blank, -1);
            if (step == Step::Found)
                break;
            if (step == Step::Interrupted) {
                result.end = *interrupted;
                break;
            }
        }
        if (result.end == SearchEnd::Solved)
            result.slides = path;
        result.nodes = nodes;
        return result;
    }

private:
    enum class Step { Found, Exhausted, Interrupted };

    struct Pattern {
        int tiles = 0;
        const std::uint8_t* moves = nullptr;
        PatternWeights weights{};
        PatternCells cells{};
        PatternCells mirroredCells{};
        std::int32_t index = 0;
        std::int32_t mirroredIndex = 0;
    };

    struct Child {
        int from;
        int tile;
        std::int32_t directIndex;
        std::int32_t mirroredIndex;
    };

    int& cellOf(Place place) { return patterns[place.pattern].cells[place.slot]; }
    int& mirroredCellOf(Place place) { return patterns[place.pattern].mirroredCells[place.slot]; }

    // The index of a pattern's entry once the cell at `place` moves to `to`.
    std::int32_t directIndexAfter(Place place, int to) const
    {
        const Pattern& p = patterns[place.pattern];
        return p.index + placementRankShift(std::span(p.cells.data(), p.tiles), weightsOf(p), place.slot, to);
    }

    std::int32_t mirroredIndexAfter(Place place, int to) const
    {
        const Pattern& p = patterns[place.pattern];
        return p.mirroredIndex
             + placementRankShift(std::span(p.mirroredCells.data(), p.tiles), weightsOf(p), place.slot, to);
    }

    static std::span<const std::int32_t> weightsOf(const Pattern& p) { return {p.weights.data(), p.weights.data() + p.tiles}; }

    std::optional<SearchEnd> interruption() const
    {
        if (limits.stop.stop_requested())
            return SearchEnd::Stopped;
        if (limits.deadline && std::chrono::steady_clock::now() >= *limits.deadline)
            return SearchEnd::OutOfTime;
        return std::nullopt;
    }

    // Expands a node within `bound`. Every child is weighed before it is
    // entered, and most fail the bound there: their table entries are asked
    // for together, so that the memory fetches overlap.
    Step explore(int made, int bound, int blank, int cameFrom)
    {
        if (++nodes % interruptCheckInterval == 0) {
            interrupted = interruption();
            if (interrupted)
                return Step::Interrupted;
        }

        std::array<Child, 4> children{};
        int count = 0;
        for (const int from : neighbours[blank]) {
            if (from == cameFrom)
                continue;
            Child& child = children[count++];
            child.from = from;
            child.tile = tiles[from];
            const Place d = direct[child.tile];
            const Place m = mirrored[child.tile];
            child.directIndex = directIndexAfter(d, blank);
            child.mirroredIndex = mirroredIndexAfter(m, transposed[blank]);
            __builtin_prefetch(patterns[d.pattern].moves + child.directIndex);
            __builtin_prefetch(patterns[m.pattern].moves + child.mirroredIndex);
        }

        const int childMade = made + 1;
        for (int c = 0; c < count; ++c) {
            const Child& child = children[c];
            const Place d = direct[child.tile];
            const Place m = mirrored[child.tile];
            Pattern& directPattern = patterns[d.pattern];
            Pattern& mirroredPattern = patterns[m.pattern];
            const int childDirectSum = directSum - directPattern.moves[directPattern.index]
                                     + directPattern.moves[child.directIndex];
            if (childMade + childDirectSum > bound) {
                nextBound = std::min(nextBound, childMade + childDirectSum);
                continue;
            }
            const int childMirroredSum = mirroredSum - mirroredPattern.moves[mirroredPattern.mirroredIndex]
                                       + mirroredPattern.moves[child.mirroredIndex];
            const int estimate = std::max(childDirectSum, childMirroredSum);
            if (childMade + estimate > bound) {
                nextBound = std::min(nextBound, childMade + estimate);
                continue;
            }

            path.push_back(child.tile);
            if (estimate == 0)
                return Step::Found;
            const std::int32_t oldDirectIndex = std::exchange(directPattern.index, child.directIndex);
            const std::int32_t oldMirroredIndex = std::exchange(mirroredPattern.mirroredIndex, child.mirroredIndex);
            const int oldDirectSum = std::exchange(directSum, childDirectSum);
            const int oldMirroredSum = std::exchange(mirroredSum, childMirroredSum);
            slide(child.tile, child.from, blank);

            const Step step = explore(childMade, bound, child.from, blank);
            if (step != Step::Exhausted)
                return step;

            slide(child.tile, blank, child.from);
            directPattern.index = oldDirectIndex;
            mirroredPattern.mirroredIndex = oldMirroredIndex;
            directSum = oldDirectSum;
            mirroredSum = oldMirroredSum;
            path.pop_back();
        }
        return Step::Exhausted;
    }

    void slide(int tile, int from, int to)
    {
        tiles[to] = tile;
        tiles[from] = grid.blank();
        cellOf(direct[tile]) = to;
        mirroredCellOf(mirrored[tile]) = transposed[to];
    }

    Grid grid;
    const SearchLimits& limits;
    std::array<Pattern, Cells> patterns{};
    int patternCount = 0;
    std::array<Place, Cells> direct{};
    std::array<Place, Cells> mirrored{};
    std::array<int, Cells> transposed{};
    std::array<Adjacent, Cells> neighbours{};
    std::array<int, Cells> tiles{};
    int directSum = 0;
    int mirroredSum = 0;
    int nextBound = 0;
    std::uint64_t nodes = 0;
    std::optional<SearchEnd> interrupted;
    std::vector<int> path;
};

} // namespace

SearchResult searchOptimal(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits)
{
    if (puzzle.grid().side == 4)
        return Search<16>(puzzle, heuristic, limits).run();
    return Search<25>(puzzle, heuristic, limits).run();
}

} // namespace pintu::solver
