#pragma once

#include "platform/ClockAndChance.h"

#include <ctime>
#include <string>

namespace pintu {

// The day `moment` falls on in the local time zone, as mm-dd-yyyy.
std::string localDate(std::time_t moment);

class SystemClock final : public Clock {
public:
    TimePoint now() const override;
    std::chrono::milliseconds timeOfDay() const override;
    std::string date() const override;
};

} // namespace pintu
