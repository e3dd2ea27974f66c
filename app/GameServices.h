#pragma once

#include "app/board/HintFinder.h"
#include "board/DataFiles.h"
#include "platform/ClockAndChance.h"
#include "platform/Files.h"

#include <chrono>
#include <functional>
#include <memory>

namespace pintu {

class KeptGameStore;
class PictureShelf;
class RecordBook;

// What every window of one run shares.
struct GameServices {
    Files& files;
    Clock& clock;
    PictureShelf& pictures; // the chosen picture, read elsewhere and kept
    DataFiles dataFiles;
    std::function<std::unique_ptr<Random>()> newRandom; // one generator per board
    std::function<void()> endProgram;
    std::chrono::milliseconds glide; // how long a moved tile glides; 0 makes tiles jump
    HintSource hints;                // how the small boards find a hint; no search: they offer none
    KeptGameStore* keptGames = nullptr; // where the game under way is kept; none: it is not kept
    ShortestWaySearch shortestWay = {}; // how the small boards measure a game's start; none: they do not
    RecordBook* records = nullptr;      // where the player's wins are recorded; none: nowhere
};

} // namespace pintu
