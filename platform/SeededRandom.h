#pragma once

#include "platform/ClockAndChance.h"

#include <random>

namespace pintu {

class SeededRandom final : public Random {
public:
    void seed(std::uint64_t seed) override;
    double next() override;

private:
    std::mt19937_64 engine;
};

} // namespace pintu
