#pragma once

#include "solver/patterns/PatternHeuristic.h"

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
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

// The pattern tables of the 4x4 and 5x5 boards, loaded or built at first use
// and then kept for the life of the store. Safe to use from several threads:
// one thread builds, on both processor cores, while the others wait for it,
// each only until it is asked to stop.
class PatternStore {
public:
    // Without a folder the tables are built for this process only.
    explicit PatternStore(std::optional<std::filesystem::path> folder);

    // Gets the tables of every board side in `sides` ready, building all that
    // no sound file holds in one go.
    TableStatus prepare(std::initializer_list<int> sides, std::stop_token stop);

    struct Tables {
        const PatternHeuristic* heuristic; // null when stopped
        TableStatus status;
    };
    Tables tablesFor(int side, std::stop_token stop);

    // How much of the build under way is done, from 0 to 100; nothing while
    // no table is being built, tables read from files included.
    std::optional<int> buildProgress() const;

    // The file that holds one pattern's table.
    static std::string fileName(int side, const std::vector<int>& tiles);

private:
    struct Built;
    Built build(const std::vector<int>& sides, std::stop_token stop);
    std::unique_ptr<PatternHeuristic>& heuristicFor(int side) { return side == 4 ? fourByFour : fiveByFive; }

    std::optional<std::filesystem::path> folder;
    std::mutex mutex;
    std::condition_variable_any buildEnded;
    bool building = false;
    std::unique_ptr<PatternHeuristic> fourByFour;
    std::unique_ptr<PatternHeuristic> fiveByFive;
    std::atomic<std::uint64_t> entriesBuilt{0};
    std::atomic<std::uint64_t> entriesToBuild{0}; // 0 while no build runs
};

} // namespace pintu::solver
