#pragma once

#include "platform/SeededRandom.h"

namespace pintu::fuzz {

// A board seeds its chance from the time of day, which the fake clock holds
// still; an input picks the shuffle instead.
class InputSeededRandom final : public Random {
public:
    explicit InputSeededRandom(std::uint64_t chosen) : chosen(chosen) {}

    void seed(std::uint64_t) override { random.seed(chosen); }
    double next() override { return random.next(); }

private:
    std::uint64_t chosen;
    SeededRandom random;
};

} // namespace pintu::fuzz
