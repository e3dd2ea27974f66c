#pragma once

#include <cstdint>
#include <vector>

namespace pintu::solver {

// Move sequences of the blank that a search never needs to try: another
// sequence leaves every tile and the blank in the same cells, is shorter, or
// as long and earlier in the order up, down, left, right, and keeps to cells
// this one passes through, so that it can be made wherever this one can.
// Among the shortest ways to a board the earliest holds none of them, so a
// search that skips every way ending in one still finds a shortest way, and
// reaches far fewer boards twice. Followed step by step as an automaton over
// the blank's moves, every one of them up to a few steps long is known.
class RedundantMoves {
public:
    enum Step : int { Up, Down, Left, Right };
    static constexpr std::int32_t skipped = -1;
    static constexpr std::int32_t start = 0;

    // Sequences up to `longest` steps (a dozen take milliseconds to find).
    explicit RedundantMoves(int longest);

    // Built at first use, safe to call from several threads.
    static const RedundantMoves& shared();

    // The state once the blank makes `step` from `state`, or `skipped` when
    // the moves so far end in a redundant sequence.
    std::int32_t after(std::int32_t state, int step) const { return transitions[state * 4 + step]; }

    std::size_t stateCount() const { return transitions.size() / 4; }

private:
    std::vector<std::int32_t> transitions;
};

} // namespace pintu::solver
