#pragma once

#include "platform/ClockAndChance.h"

namespace pintu {

class SystemClock final : public Clock {
public:
    TimePoint now() const override;
    std::chrono::milliseconds timeOfDay() const override;
    std::string date() const override;
};

} // namespace pintu
