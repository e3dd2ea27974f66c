#pragma once

#include "platform/ClockAndChance.h"

namespace pintu::test {

class FakeClock final : public Clock {
public:
    TimePoint now() const override { return current; }
    std::chrono::milliseconds timeOfDay() const override { return std::chrono::hours(12); }
    std::string date() const override { return today; }

    void advance(std::chrono::nanoseconds elapsed) { current += elapsed; }

    TimePoint current = TimePoint(std::chrono::hours(1000));
    std::string today = "05-09-2001";
};

} // namespace pintu::test
