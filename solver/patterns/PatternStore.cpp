#include "solver/patterns/PatternStore.h"

#include "platform/ThreadPriority.h"
#include "solver/patterns/PatternFile.h"
#include "solver/patterns/PatternGroups.h"
#include "solver/patterns/PatternShapes.h"
#include "solver/PlacementRank.h"
#include "solver/SideBySide.h"

#include <algorithm>
#include <functional>
#include <new>
#include <system_error>
#include <thread>

namespace pintu::solver {

namespace {

// One table, read from its file or built, for every pattern of its shape.
struct Pattern {
    int side;
    std::vector<int> tiles;
    bool inBackground;
    std::optional<std::filesystem::path> file;
    std::optional<PatternTable> table;
    bool saved = false;

    std::uint64_t entries() const { return placementCount(static_cast<int>(tiles.size()), side * side); }
};

// One table for each processor core of the machines the game is made for;
// two builds at once also keep the peak memory near 240 MB at most (two
// tables of six 5x5 tiles).
constexpr std::size_t buildThreads = 2;

// Each thread takes the largest table left; each table is saved as soon as it
// is built, so that a stop keeps the tables finished before it. Once memory
// runs out no thread takes another table, but one under way is finished and
// saved, ready for the next try.
void buildSideBySide(std::vector<Pattern*>& missing, std::stop_token stop, std::atomic<std::uint64_t>& entriesBuilt,
                     const PatternStore::TableBuilder& buildTable, const std::function<void()>& giveWay)
{
    std::ranges::stable_sort(missing, std::greater{}, &Pattern::entries);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> outOfMemory = false;
    const auto work = [&](std::size_t) {
        for (std::size_t i = next++; i < missing.size() && !stop.stop_requested() && !outOfMemory; i = next++) {
            Pattern& pattern = *missing[i];
            pattern.table = buildTable(pattern.side, pattern.tiles, stop, &entriesBuilt,
                                       pattern.inBackground ? giveWay : std::function<void()>{});
            pattern.saved = pattern.table && pattern.file && savePatternTable(*pattern.file, *pattern.table);
        }
    };
    workSideBySide(std::min(buildThreads, missing.size()), work, [&] { outOfMemory = true; });
}

int sideOf(PatternSet set)
{
    return set == PatternSet::FourByFour ? 4 : 5;
}

std::span<const int> groupsOf(PatternSet set)
{
    switch (set) {
    case PatternSet::FourByFour:
        return patternGroups4x4;
    case PatternSet::FiveByFive:
        return patternGroups5x5;
    case PatternSet::LargeFiveByFive:
        break;
    }
    return largePatternGroups5x5;
}

} // namespace

struct PatternStore::Built {
    TableStatus status = TableStatus::Ready;
    std::vector<std::pair<PatternSet, std::unique_ptr<PatternHeuristic>>> heuristics; // of each set whose tables are whole
};

PatternStore::PatternStore(std::optional<std::filesystem::path> folder, TableBuilder buildTable)
    : folder(std::move(folder)), buildTable(std::move(buildTable))
{
}

std::string PatternStore::fileName(int side, const std::vector<int>& tiles)
{
    std::string name = "pattern-" + std::to_string(side) + "x" + std::to_string(side);
    for (int tile : shapeOf(Grid{side}, tiles).tiles)
        name += "-" + std::to_string(tile);
    return name + ".pdb";
}

TableStatus PatternStore::prepare(std::initializer_list<PatternSet> sets, std::stop_token stop)
{
    std::unique_lock lock(mutex);
    std::vector<PatternSet> missing;
    for (;;) {
        missing.clear();
        std::ranges::copy_if(sets, std::back_inserter(missing), [&](PatternSet set) { return !heuristicOf(set); });
        if (missing.empty())
            return TableStatus::Ready;
        if (!building)
            break;
        // Whatever another thread builds may be these tables, and if it is
        // stopped, this thread takes over.
        if (!buildEnded.wait(lock, stop, [&] { return !building; }))
            return TableStatus::Stopped;
    }
    building = true;
    lock.unlock();

    Built built;
    try {
        built = build(missing, stop);
    } catch (...) {
        entriesToBuild = 0;
        backgroundBuild = false;
        const std::lock_guard relock(mutex);
        building = false;
        buildEnded.notify_all();
        throw;
    }
    lock.lock();
    for (auto& [set, heuristic] : built.heuristics)
        heuristicOf(set) = std::move(heuristic);
    building = false;
    buildEnded.notify_all();
    return built.status;
}

PatternStore::Built PatternStore::build(const std::vector<PatternSet>& sets, std::stop_token stop)
{
    // A folder that cannot be made shows as tables that could not be saved.
    std::error_code error;
    if (folder) {
        std::filesystem::create_directories(*folder, error);
        removeAbandonedTables(*folder);
        removeOutdatedTables(*folder);
    }

    // Each set's patterns, as the table of their shape and the symmetry onto it.
    std::vector<Pattern> patterns;
    std::vector<std::vector<std::pair<std::size_t, int>>> uses(sets.size());
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const int side = sideOf(sets[s]);
        for (const std::vector<int>& tiles : patternTiles(groupsOf(sets[s]))) {
            PatternShape shape = shapeOf(Grid{side}, tiles);
            auto found = std::ranges::find_if(
                patterns, [&](const Pattern& pattern) { return pattern.side == side && pattern.tiles == shape.tiles; });
            if (found == patterns.end()) {
                auto file = folder ? std::optional(*folder / fileName(side, shape.tiles)) : std::nullopt;
                auto loaded = file ? loadPatternTable(*file, side, shape.tiles) : std::nullopt;
                patterns.push_back({side, std::move(shape.tiles), sets[s] == PatternSet::LargeFiveByFive,
                                    std::move(file), std::move(loaded)});
                found = patterns.end() - 1;
            }
            uses[s].emplace_back(static_cast<std::size_t>(found - patterns.begin()), shape.symmetry);
        }
    }
    std::vector<Pattern*> missing;
    std::uint64_t entries = 0;
    for (Pattern& pattern : patterns) {
        if (!pattern.table) {
            missing.push_back(&pattern);
            entries += pattern.entries();
        }
    }
    entriesBuilt = 0;
    entriesToBuild = entries;
    backgroundBuild = std::ranges::all_of(missing, &Pattern::inBackground);
    buildSideBySide(missing, stop, entriesBuilt, buildTable, [&] { giveWayToSearches(stop); });
    entriesToBuild = 0;
    backgroundBuild = false;

    Built built;
    for (const Pattern* pattern : missing)
        built.status = std::max(built.status, !pattern->table ? TableStatus::Stopped
                                              : pattern->saved ? TableStatus::Built
                                                               : TableStatus::NotSaved);
    std::vector<std::shared_ptr<const PatternTable>> tables;
    for (Pattern& pattern : patterns)
        tables.push_back(pattern.table ? std::make_shared<const PatternTable>(std::move(*pattern.table)) : nullptr);
    for (std::size_t s = 0; s < sets.size(); ++s) {
        std::vector<PatternUse> whole;
        for (const auto& [pattern, symmetry] : uses[s]) {
            if (tables[pattern])
                whole.push_back({tables[pattern], BoardSymmetry(Grid{sideOf(sets[s])}, symmetry)});
        }
        if (whole.size() == uses[s].size())
            built.heuristics.emplace_back(sets[s], std::make_unique<PatternHeuristic>(std::move(whole)));
    }
    return built;
}

void PatternStore::prepareInBackground(PatternSet set)
{
    const std::lock_guard lock(mutex);
    if (backgroundThread.joinable() && !backgroundOutOfMemory)
        return;
    backgroundOutOfMemory = false;
    backgroundThread = std::jthread([this, set](std::stop_token stop) {
        runBehindOtherWork();
        try {
            prepare({set}, stop);
        } catch (const std::bad_alloc&) {
            // The memory may be back by the time the set is asked for again.
            backgroundOutOfMemory = true;
        }
    });
}

PatternStore::Tables PatternStore::tablesFor(PatternSet set, std::stop_token stop)
{
    const TableStatus status = prepare({set}, stop);
    const std::lock_guard lock(mutex);
    return {heuristicOf(set).get(), status};
}

const PatternHeuristic* PatternStore::ifReady(PatternSet set) const
{
    const std::lock_guard lock(mutex);
    return heuristics[static_cast<std::size_t>(set)].get();
}

PatternStore::Searching::Searching(PatternStore& store) : store(store)
{
    const std::lock_guard lock(store.searchMutex);
    ++store.searches;
}

PatternStore::Searching::~Searching()
{
    const std::lock_guard lock(store.searchMutex);
    if (--store.searches == 0)
        store.searchesEnded.notify_all();
}

void PatternStore::giveWayToSearches(std::stop_token stop)
{
    std::unique_lock lock(searchMutex);
    searchesEnded.wait(lock, stop, [&] { return searches == 0; });
}

std::optional<int> PatternStore::buildProgress() const
{
    const std::uint64_t total = entriesToBuild;
    if (total == 0)
        return std::nullopt;
    return static_cast<int>(std::min<std::uint64_t>(entriesBuilt * 100 / total, 100));
}

} // namespace pintu::solver
