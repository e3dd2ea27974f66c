#pragma once

#include "solver/patterns/PatternHeuristic.h"
#include "solver/patterns/PatternTable.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace pintu::solver {

// What getting a board size's tables ready took, from nothing worth telling
// to most worth telling: the larger of two statuses says what two steps took.
enum class TableStatus {
    Ready,    // already in memory, read from sound files, or not needed
    Built,    // built, and saved for the next run
    NotSaved, // built, but the folder would not take the files
    Stopped,  // asked to stop first; tables finished so far are saved
};

// The tables a search can use, each set whole or not at all.
enum class PatternSet {
    FourByFour,
    FiveByFive,      // quick to build
    LargeFiveByFive, // a stronger bound, built after
};

// The pattern tables of the 4x4 and 5x5 boards, loaded or built at first use
// and then kept for the life of the store. Safe to use from several threads:
// one thread builds, on both processor cores, while the others wait for it,
// each only until it is asked to stop.
class PatternStore {
public:
    // How a table is built: buildPatternTable, but where a test makes it fail.
    using TableBuilder = std::function<std::optional<PatternTable>(
        int side, const std::vector<int>& tiles, std::stop_token stop, std::atomic<std::uint64_t>* entriesDone,
        const std::function<void()>& pause)>;

    // Without a folder the tables are built for this process only.
    explicit PatternStore(std::optional<std::filesystem::path> folder, TableBuilder buildTable = buildPatternTable);

    // Gets every set in `sets` ready, building all tables that no sound file
    // holds in one go. The large 5x5 set is built in the background: its
    // build waits while a search runs (see `searching`). A build that runs
    // out of memory throws std::bad_alloc, once every thread of it has ended,
    // and leaves the sets it was to make missing, to be built when next asked for.
    TableStatus prepare(std::initializer_list<PatternSet> sets, std::stop_token stop);

    // Gets `set` ready as `prepare` would, on a thread of the store's own: the
    // build goes on when whoever asked for it is gone, and ends with the
    // store. Only the first call starts a thread, unless that thread's build
    // ran out of memory: then the next call starts it again.
    void prepareInBackground(PatternSet set);

    struct Tables {
        const PatternHeuristic* heuristic; // null when stopped
        TableStatus status;
    };
    Tables tablesFor(PatternSet set, std::stop_token stop);

    // The set's tables if they are ready, without waiting or building.
    const PatternHeuristic* ifReady(PatternSet set) const;

    // Held while a search runs, which then has the processor cores to itself.
    class Searching {
    public:
        explicit Searching(PatternStore& store);
        ~Searching();
        Searching(const Searching&) = delete;
        Searching& operator=(const Searching&) = delete;

    private:
        PatternStore& store;
    };

    // How much of the build under way is done, from 0 to 100; nothing while
    // no table is being built, tables read from files included.
    std::optional<int> buildProgress() const;
    // Whether that build is of the large 5x5 set alone, which no search waits for.
    bool buildingInBackground() const { return backgroundBuild; }

    // The file that holds the table of a pattern of these tiles, which is
    // the table of its shape (see PatternShapes.h).
    static std::string fileName(int side, const std::vector<int>& tiles);

private:
    struct Built;
    Built build(const std::vector<PatternSet>& sets, std::stop_token stop);
    std::unique_ptr<PatternHeuristic>& heuristicOf(PatternSet set) { return heuristics[static_cast<std::size_t>(set)]; }
    // Waits while a search runs, unless asked to stop.
    void giveWayToSearches(std::stop_token stop);

    std::optional<std::filesystem::path> folder;
    TableBuilder buildTable;
    mutable std::mutex mutex;
    std::condition_variable_any buildEnded;
    bool building = false;
    std::array<std::unique_ptr<PatternHeuristic>, 3> heuristics;
    std::atomic<std::uint64_t> entriesBuilt{0};
    std::atomic<std::uint64_t> entriesToBuild{0}; // 0 while no build runs
    std::atomic<bool> backgroundBuild{false};
    std::mutex searchMutex;
    std::condition_variable_any searchesEnded;
    int searches = 0;
    std::atomic<bool> backgroundOutOfMemory{false};
    // Last, so that it is stopped and waited for before the rest goes.
    std::jthread backgroundThread;
};

} // namespace pintu::solver
