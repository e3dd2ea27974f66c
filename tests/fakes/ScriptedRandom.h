#pragma once

#include "board/BoardSize.h"
#include "platform/ClockAndChance.h"

#include <vector>

namespace pintu::test {

// Hands out the given values in turn, from the start again when they run out.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values) : values(std::move(values)) {}

    // The draws of one shuffle that walks the blank along `path` (the cells it
    // enters, each a neighbour of the one before, starting next to the last cell),
    // then back and forth between the last two cells until the walk ends.
    static ScriptedRandom walk(const BoardSize& size, const std::vector<int>& path);

    // The genius board's blank walks 99, 89, 79, 89, 79, ... and starts in 79:
    // two moves, 89 then 99, from solved.
    static ScriptedRandom geniusTwoMovesFromSolved();

    void seed(std::uint64_t) override { ++seeds; }
    double next() override { return values[draws++ % values.size()]; }

    std::vector<double> values;
    int seeds = 0;
    int draws = 0;
};

} // namespace pintu::test
