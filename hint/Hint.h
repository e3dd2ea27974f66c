#pragma once

#include "board/Arrangement.h"

#include <optional>
#include <stop_token>

namespace pintu {

namespace solver {
class Solver;
}

// The next move of a shortest way to the whole picture, as a player is shown it.
struct Hint {
    int cell;      // the tile to slide lies here, beside the blank
    int movesLeft; // moves to the whole picture along that way
    bool proven;   // no way is shorter

    friend bool operator==(const Hint&, const Hint&) = default;
};

// Nothing when the search was stopped or the picture is whole already.
std::optional<Hint> findHint(solver::Solver& solver, const Arrangement& arrangement, std::stop_token stop = {});

} // namespace pintu
