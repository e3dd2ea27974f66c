#pragma once

#include "PatternHeuristic.h"

#include <filesystem>
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
// one thread builds, the others wait for it.
class PatternStore {
public:
    // Without a folder the tables are built for this process only.
    explicit PatternStore(std::optional<std::filesystem::path> folder);

    struct Tables {
        const PatternHeuristic* heuristic; // null when stopped
        TableStatus status;
    };
    Tables tablesFor(int side, std::stop_token stop);

    // The file that holds one pattern's table.
    static std::string fileName(int side, const std::vector<int>& tiles);

private:
    std::optional<std::filesystem::path> folder;
    std::mutex building;
    std::unique_ptr<PatternHeuristic> fourByFour;
    std::unique_ptr<PatternHeuristic> fiveByFive;
};

} // namespace pintu::solver
