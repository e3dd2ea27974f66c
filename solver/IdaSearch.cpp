#include "solver/IdaSearch.h"

#include "solver/PlacementRank.h"
#include "solver/RedundantMoves.h"
#include "solver/SideBySide.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <limits>
#include <thread>
#include <utility>

namespace pintu::solver {

namespace {

// Often enough to answer a stop within about a millisecond, seldom enough
// that looking at the clock costs nothing measurable.
constexpr std::uint64_t interruptCheckInterval = 1 << 13;
constexpr int maxPatternTiles = 8;
constexpr std::size_t maxPatterns = 8;
// The heuristic is looked up on the board and on its mirror image.
constexpr std::size_t lookupCount = 2;
// An iteration follows one of about a fifth of its size or more; from this
// size on, starting threads costs nothing next to sharing the work.
constexpr std::uint64_t sharedAfterNodes = 1 << 14;
// Enough pieces that the threads finish at about the same time.
constexpr std::size_t piecesPerThread = 24;

using PatternCells = std::array<int, maxPatternTiles>;
using PatternWeights = std::array<std::int32_t, maxPatternTiles>;

// Where a tile's cell is kept: which pattern, which place in it.
struct Place {
    int pattern = 0;
    int slot = 0;
};

// The cells of one pattern's tiles, as one lookup sees the board through
// the pattern's table, and the index of its table entry.
template <int Cells>
struct Pattern {
    int tiles = 0;
    const std::uint8_t* entries = nullptr;
    PatternWeights weights{};
    PatternCells cells{};
    std::int32_t index = 0;
    std::array<int, Cells> seen{}; // where the table sees each cell of the board

    int extraAt(std::int32_t at) const { return entries[at >> 2] >> (2 * (at & 3)) & 3; }
    int extra() const { return extraAt(index); }
    void prefetch(std::int32_t at) const { __builtin_prefetch(entries + (at >> 2)); }

    // The index once the cell at `slot` moves to `to`.
    std::int32_t indexAfter(int slot, int to) const
    {
        return index
             + placementRankShift(std::span(cells.data(), tiles), std::span(weights.data(), tiles), slot, to);
    }
};

// The heuristic's patterns looked up on the board or on its mirror image,
// which holds tile t's mirror, named by its home cell, in the mirror of t's
// cell; the mirror is solved in as many slides, but its tiles fall into the
// patterns differently.
template <int Cells>
struct Lookup {
    std::array<Pattern<Cells>, maxPatterns> patterns{};
    std::array<Place, Cells> place{}; // of each tile of the board
    int extra = 0;                    // the patterns' entries added up

    Pattern<Cells>& of(int tile) { return patterns[place[tile].pattern]; }
    const Pattern<Cells>& of(int tile) const { return patterns[place[tile].pattern]; }
};

// Why a depth-first search returned.
enum class Step { Found, Exhausted, Interrupted };

// A node at the depth where an iteration is split between threads.
struct Piece {
    std::vector<int> slides; // from the start
    std::int32_t automaton = RedundantMoves::start;
};

// One thread's search: the board, and for each lookup the cells of its
// patterns' tiles, kept up to date slide by slide so that a child is weighed
// by changing one cell of one pattern in each lookup.
template <int Cells>
class Search {
public:
    Search(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits,
           const std::atomic<bool>& cancelled)
        : grid(puzzle.grid()), limits(&limits), cancelled(&cancelled)
    {
        for (int c = 0; c < Cells; ++c) {
            tiles[c] = puzzle.tiles()[c];
            neighbours[c] = grid.adjacent(c);
            for (int n = 0; n < neighbours[c].count; ++n)
                steps[c][n] = stepBetween(c, neighbours[c].cells[n]);
            for (int tile = 0; tile < Cells; ++tile)
                distance[c][tile] = tile == grid.blank() ? 0 : grid.distance(c, tile);
            manhattan += distance[c][tiles[c]];
        }
        for (const bool mirrored : {false, true})
            addLookup(lookups[mirrored], heuristic, mirrored);
    }

    int estimate() const
    {
        int extra = 0;
        for (std::size_t l = 0; l < lookupCount; ++l)
            extra = std::max(extra, lookups[l].extra);
        return manhattan + 2 * extra;
    }

    int blankCell() const { return grid.blankCell(tiles); }

    // One iteration from the start, or, with `pieces`, only down to
    // `splitDepth`, each node there kept to be searched on later.
    Step iterate(int bound, std::vector<Piece>* pieces = nullptr, int splitDepth = 0)
    {
        nextBound = std::numeric_limits<int>::max();
        split = pieces;
        splitAt = splitDepth;
        return explore(0, bound, blankCell(), -1, RedundantMoves::start);
    }

    // Searches on from a piece's node; only on a search still at the start.
    Step iterateFrom(const Piece& piece, int bound)
    {
        int cameFrom = -1;
        for (int tile : piece.slides) {
            cameFrom = blankCell();
            slide(tile);
        }
        path = piece.slides;
        nextBound = std::numeric_limits<int>::max();
        split = nullptr;
        return explore(static_cast<int>(path.size()), bound, blankCell(), cameFrom, piece.automaton);
    }

    std::optional<SearchEnd> interruption() const
    {
        if (limits->stop.stop_requested())
            return SearchEnd::Stopped;
        if (limits->deadline && std::chrono::steady_clock::now() >= *limits->deadline)
            return SearchEnd::OutOfTime;
        return std::nullopt;
    }

    std::vector<int> path;
    std::uint64_t nodes = 0;
    int nextBound = 0;
    std::optional<SearchEnd> interrupted;

private:
    struct Child {
        int from;
        int tile;
        std::int32_t automaton;
        int manhattan;
        int estimate;
        std::array<std::int32_t, lookupCount> index;
        std::array<int, lookupCount> extra;
    };

    int stepBetween(int blank, int from) const
    {
        if (from == blank - grid.side)
            return RedundantMoves::Up;
        if (from == blank + grid.side)
            return RedundantMoves::Down;
        return from == blank - 1 ? RedundantMoves::Left : RedundantMoves::Right;
    }

    void addLookup(Lookup<Cells>& lookup, const PatternHeuristic& heuristic, bool mirrored)
    {
        const std::vector<PatternUse>& uses = heuristic.patterns();
        for (std::size_t p = 0; p < uses.size(); ++p) {
            Pattern<Cells>& pattern = lookup.patterns[p];
            pattern.tiles = static_cast<int>(uses[p].table->tiles.size());
            pattern.entries = uses[p].table->entries.data();
            placementWeights(Cells, std::span(pattern.weights.data(), pattern.tiles));
            for (int slot = 0; slot < pattern.tiles; ++slot) {
                const int tile = uses[p].tile(slot);
                lookup.place[mirrored ? grid.transposed(tile) : tile] = {static_cast<int>(p), slot};
            }
            for (int c = 0; c < Cells; ++c)
                pattern.seen[c] = uses[p].symmetry.undo(mirrored ? grid.transposed(c) : c);
        }
        for (int c = 0; c < Cells; ++c) {
            if (tiles[c] != grid.blank())
                lookup.of(tiles[c]).cells[lookup.place[tiles[c]].slot] = lookup.of(tiles[c]).seen[c];
        }
        for (std::size_t p = 0; p < uses.size(); ++p) {
            Pattern<Cells>& pattern = lookup.patterns[p];
            pattern.index = static_cast<std::int32_t>(placementRank(std::span(pattern.cells.data(), pattern.tiles), Cells));
            lookup.extra += pattern.extra();
        }
    }

    // The way to a piece is replayed rather than weighed child by child.
    void slide(int tile)
    {
        const int blank = blankCell();
        const int from = static_cast<int>(std::find(tiles.begin(), tiles.end(), tile) - tiles.begin());
        for (std::size_t l = 0; l < lookupCount; ++l) {
            Lookup<Cells>& lookup = lookups[l];
            Pattern<Cells>& pattern = lookup.of(tile);
            lookup.extra -= pattern.extra();
            pattern.index = pattern.indexAfter(lookup.place[tile].slot, pattern.seen[blank]);
            pattern.cells[lookup.place[tile].slot] = pattern.seen[blank];
            lookup.extra += pattern.extra();
        }
        manhattan += distance[blank][tile] - distance[from][tile];
        tiles[blank] = tile;
        tiles[from] = grid.blank();
    }

    std::optional<Step> checkInterruption()
    {
        if (cancelled->load(std::memory_order_relaxed))
            return Step::Interrupted;
        interrupted = interruption();
        return interrupted ? std::optional(Step::Interrupted) : std::nullopt;
    }

    // Expands a node within `bound`. Every child is weighed before it is
    // entered, and most fail the bound there, on the first lookup or so:
    // their table entries are asked for together, so that the memory fetches
    // overlap. Children are entered the most promising first, which finds an
    // answer early in the last iteration.
    Step explore(int made, int bound, int blank, int cameFrom, std::int32_t automaton)
    {
        if (++nodes % interruptCheckInterval == 0) {
            if (const auto step = checkInterruption())
                return *step;
        }
        if (split && made == splitAt) {
            split->push_back({path, automaton});
            return Step::Exhausted;
        }

        // Children whose tiles' Manhattan distance alone exceeds the bound
        // need no table.
        const int childMade = made + 1;
        std::array<Child, 4> children;
        int count = 0;
        for (int n = 0; n < neighbours[blank].count; ++n) {
            const int from = neighbours[blank].cells[n];
            const std::int32_t next = moves.after(automaton, steps[blank][n]);
            if (from == cameFrom || next == RedundantMoves::skipped)
                continue;
            const int tile = tiles[from];
            const int childManhattan = manhattan + distance[blank][tile] - distance[from][tile];
            if (childMade + childManhattan > bound) {
                nextBound = std::min(nextBound, childMade + childManhattan);
                continue;
            }
            Child& child = children[count++];
            child.from = from;
            child.tile = tile;
            child.automaton = next;
            child.manhattan = childManhattan;
            for (std::size_t l = 0; l < lookupCount; ++l) {
                const Lookup<Cells>& lookup = lookups[l];
                const Pattern<Cells>& pattern = lookup.of(tile);
                child.index[l] = pattern.indexAfter(lookup.place[tile].slot, pattern.seen[blank]);
                pattern.prefetch(child.index[l]);
            }
        }

        std::array<int, 4> order{};
        int kept = 0;
        for (int c = 0; c < count; ++c) {
            Child& child = children[c];
            // Each pair of extra slides must fit in what the bound leaves.
            const int room = bound - childMade - child.manhattan;
            int extra = 0;
            bool within = true;
            for (std::size_t l = 0; l < lookupCount && within; ++l) {
                const Lookup<Cells>& lookup = lookups[l];
                const Pattern<Cells>& pattern = lookup.of(child.tile);
                child.extra[l] = lookup.extra - pattern.extra() + pattern.extraAt(child.index[l]);
                extra = std::max(extra, child.extra[l]);
                within = 2 * child.extra[l] <= room;
            }
            child.estimate = child.manhattan + 2 * extra;
            if (!within) {
                nextBound = std::min(nextBound, childMade + child.estimate);
                continue;
            }
            if (child.estimate == 0) {
                path.push_back(child.tile);
                return Step::Found;
            }
            int at = kept++;
            for (; at > 0 && children[order[at - 1]].estimate > child.estimate; --at)
                order[at] = order[at - 1];
            order[at] = c;
        }

        for (int k = 0; k < kept; ++k) {
            const Child& child = children[order[k]];
            std::array<std::int32_t, lookupCount> index;
            std::array<int, lookupCount> extra;
            for (std::size_t l = 0; l < lookupCount; ++l) {
                Lookup<Cells>& lookup = lookups[l];
                Pattern<Cells>& pattern = lookup.of(child.tile);
                index[l] = std::exchange(pattern.index, child.index[l]);
                extra[l] = std::exchange(lookup.extra, child.extra[l]);
                pattern.cells[lookup.place[child.tile].slot] = pattern.seen[blank];
            }
            const int oldManhattan = std::exchange(manhattan, child.manhattan);
            tiles[blank] = child.tile;
            tiles[child.from] = grid.blank();
            path.push_back(child.tile);

            const Step step = explore(childMade, bound, child.from, blank, child.automaton);
            if (step != Step::Exhausted)
                return step;

            path.pop_back();
            tiles[child.from] = child.tile;
            tiles[blank] = grid.blank();
            manhattan = oldManhattan;
            for (std::size_t l = 0; l < lookupCount; ++l) {
                Lookup<Cells>& lookup = lookups[l];
                Pattern<Cells>& pattern = lookup.of(child.tile);
                pattern.index = index[l];
                lookup.extra = extra[l];
                pattern.cells[lookup.place[child.tile].slot] = pattern.seen[child.from];
            }
        }
        return Step::Exhausted;
    }

    Grid grid;
    const SearchLimits* limits;
    const std::atomic<bool>* cancelled;
    const RedundantMoves& moves = RedundantMoves::shared();
    std::array<Lookup<Cells>, lookupCount> lookups{};
    std::array<Adjacent, Cells> neighbours{};
    std::array<std::array<int, 4>, Cells> steps{};
    // From each cell to each tile's home; none for the blank.
    std::array<std::array<int, Cells>, Cells> distance{};
    std::array<int, Cells> tiles{};
    int manhattan = 0;
    std::vector<Piece>* split = nullptr;
    int splitAt = 0;
};


// What one iteration, or one thread's share of it, came to.
struct Outcome {
    Step step = Step::Exhausted;
    std::optional<SearchEnd> interrupted;
    std::vector<int> path;
    std::uint64_t nodes = 0;
    int nextBound = std::numeric_limits<int>::max();

    template <int Cells>
    static Outcome of(Step step, Search<Cells>& search)
    {
        return {step, search.interrupted, std::move(search.path), search.nodes, search.nextBound};
    }

    // An answer outweighs an interruption, and an interruption with its
    // reason one without (a thread that stopped because another was done).
    void add(Outcome other)
    {
        nodes += other.nodes;
        nextBound = std::min(nextBound, other.nextBound);
        if (other.step == Step::Found) {
            step = Step::Found;
            path = std::move(other.path);
        } else if (other.step == Step::Interrupted && step != Step::Found) {
            step = Step::Interrupted;
            interrupted = interrupted ? interrupted : other.interrupted;
        }
    }
};

template <int Cells>
class Iterations {
public:
    Iterations(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits)
        : start(puzzle, heuristic, limits, cancelled), threads(std::max(1u, std::thread::hardware_concurrency()))
    {
    }

    SearchResult run()
    {
        SearchResult result;
        std::uint64_t lastNodes = 0;
        for (int bound = start.estimate(); bound > 0;) {
            if (const auto end = start.interruption()) {
                result.end = *end;
                return result;
            }
            const Outcome outcome = threads > 1 && lastNodes >= sharedAfterNodes ? shared(bound) : alone(bound);
            result.nodes += outcome.nodes;
            if (outcome.step == Step::Found) {
                result.slides = outcome.path;
                break;
            }
            if (outcome.step == Step::Interrupted) {
                result.end = outcome.interrupted.value_or(SearchEnd::Stopped);
                return result;
            }
            lastNodes = outcome.nodes;
            bound = outcome.nextBound;
        }
        result.end = SearchEnd::Solved;
        return result;
    }

private:
    Outcome alone(int bound)
    {
        Search<Cells> search = start;
        const Step step = search.iterate(bound);
        return Outcome::of(step, search);
    }

    // Split at the shallowest depth that gives every thread enough pieces;
    // each thread takes the next piece left, in the order one thread alone
    // would search them, until one finds an answer.
    Outcome shared(int bound)
    {
        Outcome outcome;
        std::vector<Piece> pieces;
        for (int depth = 1; depth < bound && pieces.size() < threads * piecesPerThread; ++depth) {
            pieces.clear();
            Search<Cells> splitter = start;
            const Step step = splitter.iterate(bound, &pieces, depth);
            outcome.add(Outcome::of(step, splitter));
            if (step != Step::Exhausted)
                return outcome;
        }

        cancelled = false;
        std::atomic<std::size_t> next{0};
        std::vector<Outcome> shares(threads);
        const auto work = [&](std::size_t thread) {
            for (std::size_t p = next++; p < pieces.size() && !cancelled; p = next++) {
                Search<Cells> search = start;
                const Step step = search.iterateFrom(pieces[p], bound);
                shares[thread].add(Outcome::of(step, search));
                if (step != Step::Exhausted) {
                    cancelled = true;
                    return;
                }
            }
        };
        workSideBySide(threads, work, [&] { cancelled = true; });
        for (Outcome& share : shares)
            outcome.add(std::move(share));
        if (outcome.step == Step::Interrupted && !outcome.interrupted)
            outcome.interrupted = start.interruption();
        return outcome;
    }

    std::atomic<bool> cancelled{false};
    Search<Cells> start;
    std::size_t threads;
};

} // namespace

SearchResult searchOptimal(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits)
{
    if (puzzle.grid().side == 4)
        return Iterations<16>(puzzle, heuristic, limits).run();
    return Iterations<25>(puzzle, heuristic, limits).run();
}

} // namespace pintu::solver
