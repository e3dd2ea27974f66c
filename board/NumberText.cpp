#include "board/NumberText.h"

#include <cstdlib>

namespace pintu {

namespace {

constexpr long long nanosecondsPerTenth = 100'000'000;

std::string fraction(long long tenths)
{
    return tenths % 10 == 0 ? "" : "." + std::to_string(tenths % 10);
}

} // namespace

long long elapsedTenths(std::chrono::nanoseconds elapsed)
{
    const long long nanoseconds = std::llabs(elapsed.count());
    return nanoseconds / nanosecondsPerTenth + (nanoseconds % nanosecondsPerTenth != 0 ? 1 : 0);
}

std::string plainTenths(long long tenths)
{
    return std::to_string(tenths / 10) + fraction(tenths);
}

std::string fileNumber(long long value)
{
    return (value < 0 ? "" : " ") + std::to_string(value);
}

std::string fileTenths(long long tenths)
{
    const bool belowOne = tenths > 0 && tenths < 10;
    return " " + (belowOne ? std::string() : std::to_string(tenths / 10)) + fraction(tenths);
}

} // namespace pintu
