#pragma once

#include <optional>

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

} // namespace pintu
