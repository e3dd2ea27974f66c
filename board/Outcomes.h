#pragma once

#include <optional>
#include <string>

namespace pintu {

enum class LoadOutcome { Ready, PictureUnreadable };

enum class StartOutcome { Started, PictureUnreadable, MoveLogUnwritable };

enum class MoveOutcome { NoEffect, Moved, Solved };

// Solved: stepping reached the whole picture. MoveLogDamaged: the replay
// stopped and the start arrangement is back in play.
enum class ReplayOutcome { NoEffect, Shown, Solved, MoveLogDamaged };

// What the menu shows when a board is left.
struct Departure {
    std::optional<bool> hallOfFameButton; // shown or hidden; none: as it was
};

// A genius win as the hall of fame holds it, and whether the file took it.
struct HallOfFameEntry {
    std::string record;
    bool saved;
};

} // namespace pintu
