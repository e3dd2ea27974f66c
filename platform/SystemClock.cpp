#include "platform/SystemClock.h"

#include <ctime>
#include <cstdio>

namespace pintu {

namespace {

std::tm localTime(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return local;
}

} // namespace

std::string localDate(std::time_t moment)
{
    const std::tm local = localTime(moment);
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    return text;
}

Clock::TimePoint SystemClock::now() const
{
    return std::chrono::steady_clock::now();
}

std::chrono::milliseconds SystemClock::timeOfDay() const
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const std::tm local = localTime(std::time(nullptr));
    const auto secondsToday = hours(local.tm_hour) + minutes(local.tm_min) + seconds(local.tm_sec);
    return secondsToday + sinceEpoch % seconds(1);
}

std::string SystemClock::date() const
{
    return localDate(std::time(nullptr));
}

} // namespace pintu
