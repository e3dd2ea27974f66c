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

// How few moves take an arrangement to the whole picture: a game's start, to
// measure the moves the player made against.
struct ShortestWay {
    int moves;
    bool proven; // no way is shorter; else the shortest found in the time there was

    friend bool operator==(const ShortestWay&, const ShortestWay&) = default;
};

// Nothing when the search was stopped or no way leads to the whole picture.
std::optional<ShortestWay> shortestWay(solver::Solver& solver, const Arrangement& arrangement,
                                       std::stop_token stop = {});

} // namespace pintu
