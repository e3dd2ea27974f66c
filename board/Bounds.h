#pragma once

#include <chrono>

namespace pintu {

// Where the step count and the time played stop: a game that goes on past
// them still counts, shows, keeps and records them as these. Nine digits
// each, which every label, the kept game and the hall of fame take, and no
// sum of them overflows.
inline constexpr int mostSteps = 999'999'999;
inline constexpr std::chrono::nanoseconds longestPlay = std::chrono::milliseconds(99'999'999'900);

} // namespace pintu
