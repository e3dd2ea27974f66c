#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace pintu::solver {

enum class Verdict {
    Optimal, // no answer is shorter
    Found,   // a valid answer, possibly longer than needed
    Stopped, // asked to stop before any answer
};

struct Answer {
    Verdict verdict = Verdict::Stopped;
    // The tiles to slide, in order; empty when stopped.
    std::vector<int> slides;
    // Positions the searches looked at.
    std::uint64_t nodes = 0;
    // The whole call, tables loaded or built on the way included.
    std::chrono::microseconds elapsed{};
};

} // namespace pintu::solver
