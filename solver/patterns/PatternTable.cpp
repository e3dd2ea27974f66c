#include "solver/patterns/PatternTable.h"

#include "solver/patterns/PatternStates.h"
#include "solver/patterns/StateMarks.h"
#include "solver/PlacementRank.h"

#include <algorithm>
#include <array>
#include <bit>

namespace pintu::solver {

namespace {

// The states a search reaches are far apart in memory. Marked a batch at a
// time, they are fetched from memory together instead of one after another.
class ReachedStates {
public:
    explicit ReachedStates(StateMarks& marks) : marks(marks) {}

    void add(std::uint64_t state)
    {
        marks.prefetch(state);
        pending[count++] = state;
    }

    bool full() const { return count >= batch; }

    // Marks those still unseen as `as`; true when there were any.
    bool markUnseen(StateMarks::Mark as)
    {
        bool any = false;
        for (int i = 0; i < count; ++i) {
            if (marks.at(pending[i]) == StateMarks::Unseen) {
                marks.set(pending[i], as);
                any = true;
            }
        }
        count = 0;
        return any;
    }

private:
    static constexpr int batch = 64;
    StateMarks& marks;
    // Room for the slides of one more state: four for each of eight tiles at most.
    std::array<std::uint64_t, batch + 32> pending{};
    int count = 0;
};

// The entries are written far apart in memory as well: each is fetched
// ahead and written a few placements later.
class PendingEntries {
public:
    explicit PendingEntries(std::vector<std::uint8_t>& entries) : entries(entries) {}

    void add(std::uint32_t index, int extra)
    {
        __builtin_prefetch(&entries[index >> 2], 1);
        if (count == pending.size())
            write(pending[next]);
        else
            ++count;
        pending[next] = {index, extra};
        next = (next + 1) % pending.size();
    }

    void flush()
    {
        for (; count > 0; --count)
            write(pending[(next + pending.size() - count) % pending.size()]);
    }

private:
    struct Entry {
        std::uint32_t index;
        int extra;
    };

    void write(const Entry& entry)
    {
        entries[entry.index >> 2] |= static_cast<std::uint8_t>(entry.extra << (2 * (entry.index & 3)));
    }

    std::vector<std::uint8_t>& entries;
    std::array<Entry, 16> pending{};
    std::size_t next = 0;
    std::size_t count = 0;
};

constexpr unsigned stopCheckInterval = 4096;

} // namespace

std::optional<PatternTable> buildPatternTable(int side, const std::vector<int>& tiles, std::stop_token stop,
                                              std::atomic<std::uint64_t>* entriesDone, const std::function<void()>& pause)
{
    const Grid grid{side};
    const int n = grid.cells();
    const int k = static_cast<int>(tiles.size());
    const PatternStates states(grid, tiles);
    PatternTable table{side, tiles, std::vector<std::uint8_t>(PatternTable::bytesFor(placementCount(k, n)), 0)};
    StateMarks marks(states.count());
    ReachedStates reached(marks);
    marks.set(states.solved(), StateMarks::frontier(0));
    PendingEntries pending(table.entries);
    // How far each of the pattern's tiles is from home, from every cell.
    std::array<std::array<int, 32>, 8> homeDistance{};
    for (int slot = 0; slot < k; ++slot) {
        for (int cell = 0; cell < n; ++cell)
            homeDistance[slot][cell] = grid.distance(cell, tiles[slot]);
    }

    // Reported to `entriesDone` in batches, so that threads building other
    // tables beside this one seldom meet on it.
    std::uint64_t entries = 0;
    std::uint64_t entriesReported = 0;
    const auto report = [&] {
        if (entriesDone)
            entriesDone->fetch_add(entries - entriesReported, std::memory_order_relaxed);
        entriesReported = entries;
    };

    std::array<int, 8> cellsArray{};
    const std::span<int> cells(cellsArray.data(), k);
    unsigned expanded = 0;
    bool reachedAny = true;
    for (int depth = 0; reachedAny; ++depth) {
        reachedAny = false;
        const StateMarks::Mark next = StateMarks::frontier(depth + 1);
        std::uint32_t set = 0;
        const bool finished = marks.forEach(StateMarks::frontier(depth), [&](std::uint64_t number) {
            if (++expanded % stopCheckInterval == 0) {
                report();
                if (pause)
                    pause();
                if (stop.stop_requested())
                    return false;
            }
            const PatternStates::State state = states.state(static_cast<std::uint32_t>(number), set);
            set = state.set;
            // Its placement's entry is this depth unless a state of the same
            // placement was expanded before it, in this layer or an earlier one.
            const std::uint32_t first = states.firstOfPlacement(state);
            bool placed = false;
            for (std::uint32_t sibling = first; sibling < first + states.regionCount(set); ++sibling)
                placed |= marks.at(sibling) == StateMarks::Done;
            marks.set(number, StateMarks::Done);
            if (!placed) {
                states.placement(state, cells);
                int manhattan = 0;
                for (int slot = 0; slot < k; ++slot)
                    manhattan += homeDistance[slot][cells[slot]];
                pending.add(placementRank(cells, n), std::min((depth - manhattan) / 2, PatternTable::mostExtra));
                ++entries;
            }
            states.forEachSlide(state, [&](std::uint32_t target) { reached.add(target); });
            if (reached.full())
                reachedAny |= reached.markUnseen(next);
            return true;
        });
        reachedAny |= reached.markUnseen(next);
        if (!finished)
            return std::nullopt;
    }
    pending.flush();
    report();
    return table;
}

} // namespace pintu::solver
