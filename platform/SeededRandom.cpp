#include "platform/SeededRandom.h"

namespace pintu {

void SeededRandom::seed(std::uint64_t seed)
{
    engine.seed(seed);
}

double SeededRandom::next()
{
    // 53 random bits scaled by 2^-53: exactly representable, so never 1.0.
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

} // namespace pintu
