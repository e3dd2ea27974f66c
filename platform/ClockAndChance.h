#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace pintu {

class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;

    // Monotonic: the difference of two readings is real elapsed time, also across midnight.
    virtual TimePoint now() const = 0;
    virtual std::chrono::milliseconds timeOfDay() const = 0;
    // Today as mm-dd-yyyy.
    virtual std::string date() const = 0;
};

class Random {
public:
    virtual ~Random() = default;

    virtual void seed(std::uint64_t seed) = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

} // namespace pintu
