#pragma once

#include "Board.h"
#include "ClockAndChance.h"
#include "Files.h"

#include <functional>
#include <memory>

namespace pintu {

// What every window of one run shares.
struct GameServices {
    Files& files;
    Clock& clock;
    DataFiles dataFiles;
    std::function<std::unique_ptr<Random>()> newRandom; // one generator per board
    std::function<void()> endProgram;
};

} // namespace pintu
