#include "solver/patterns/PatternStore.h"

#include "solver/patterns/PatternFile.h"
#include "solver/patterns/PatternGroups.h"
#include "solver/PlacementRank.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>

namespace pintu::solver {

namespace {

// One pattern's table, read from its file or built.
struct Pattern {
    int side;
    std::vector<int> tiles;
    std::optional<std::filesystem::path> file;
    std::optional<PatternTable> table;
    bool saved = false;

    std::uint64_t entries() const { return placementCount(static_cast<int>(tiles.size()), side * side); }
};

// One table for each processor core of the machines the game is made for;
// two builds at once also keep the peak memory far below 100 MB.
constexpr std::size_t buildThreads = 2;

// Each thread takes the largest table left; each table is saved as soon as it
// is built, so that a stop keeps the tables finished before it.
void buildSideBySide(std::vector<Pattern*>& missing, std::stop_token stop, std::atomic<std::uint64_t>& entriesBuilt)
{
    std::ranges::stable_sort(missing, std::greater{}, &Pattern::entries);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < missing.size() && !stop.stop_requested(); i = next++) {
            Pattern& pattern = *missing[i];
            pattern.table = buildPatternTable(pattern.side, pattern.tiles, stop, &entriesBuilt);
            pattern.saved = pattern.table && pattern.file && savePatternTable(*pattern.file, *pattern.table);
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t thread = 1; thread < std::min(buildThreads, missing.size()); ++thread)
        helpers.emplace_back(work);
    work();
}

std::span<const int> groupsFor(int side)
{
    return side == 4 ? std::span<const int>(patternGroups4x4) : std::span<const int>(patternGroups5x5);
}

} // namespace

struct PatternStore::Built {
    TableStatus status = TableStatus::Ready;
    std::vector<std::pair<int, std::unique_ptr<PatternHeuristic>>> heuristics; // of each side whose tables are whole
};

PatternStore::PatternStore(std::optional<std::filesystem::path> folder) : folder(std::move(folder)) {}

std::string PatternStore::fileName(int side, const std::vector<int>& tiles)
{
    std::string name = "pattern-" + std::to_string(side) + "x" + std::to_string(side);
    for (int tile : tiles)
        name += "-" + std::to_string(tile);
    return name + ".pdb";
}

TableStatus PatternStore::prepare(std::initializer_list<int> sides, std::stop_token stop)
{
    std::unique_lock lock(mutex);
    std::vector<int> missing;
    for (;;) {
        missing.clear();
        std::ranges::copy_if(sides, std::back_inserter(missing), [&](int side) { return !heuristicFor(side); });
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
        const std::lock_guard relock(mutex);
        building = false;
        buildEnded.notify_all();
        throw;
    }
    lock.lock();
    for (auto& [side, heuristic] : built.heuristics)
        heuristicFor(side) = std::move(heuristic);
    building = false;
    buildEnded.notify_all();
    return built.status;
}

PatternStore::Built PatternStore::build(const std::vector<int>& sides, std::stop_token stop)
{
    // A folder that cannot be made shows as tables that could not be saved.
    std::error_code error;
    if (folder) {
        std::filesystem::create_directories(*folder, error);
        removeAbandonedTables(*folder);
    }

    std::vector<Pattern> patterns;
    for (int side : sides) {
        for (std::vector<int>& tiles : patternTiles(groupsFor(side))) {
            auto file = folder ? std::optional(*folder / fileName(side, tiles)) : std::nullopt;
            auto loaded = file ? loadPatternTable(*file, side, tiles) : std::nullopt;
            patterns.push_back({side, std::move(tiles), std::move(file), std::move(loaded)});
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
    buildSideBySide(missing, stop, entriesBuilt);
    entriesToBuild = 0;

    Built built;
    for (const Pattern* pattern : missing)
        built.status = std::max(built.status, !pattern->table ? TableStatus::Stopped
                                              : pattern->saved ? TableStatus::Built
                                                               : TableStatus::NotSaved);
    for (int side : sides) {
        std::vector<PatternTable> tables;
        for (Pattern& pattern : patterns) {
            if (pattern.side == side && pattern.table)
                tables.push_back(std::move(*pattern.table));
        }
        if (tables.size() == patternTiles(groupsFor(side)).size())
            built.heuristics.emplace_back(side, std::make_unique<PatternHeuristic>(std::move(tables)));
    }
    return built;
}

PatternStore::Tables PatternStore::tablesFor(int side, std::stop_token stop)
{
    const TableStatus status = prepare({side}, stop);
    const std::lock_guard lock(mutex);
    return {heuristicFor(side).get(), status};
}

std::optional<int> PatternStore::buildProgress() const
{
    const std::uint64_t total = entriesToBuild;
    if (total == 0)
        return std::nullopt;
    return static_cast<int>(std::min<std::uint64_t>(entriesBuilt * 100 / total, 100));
}

} // namespace pintu::solver
