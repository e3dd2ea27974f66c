#pragma once

#include "fuzz/Finding.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pintu::fuzz {

// One input for a fuzz target, named for the file it is kept in.
struct Seed {
    std::string name;
    std::string bytes;
};

// Files the game itself writes, each wrapped as an input of its target: a
// move log from a start of each size with replays and a game played to the
// end, a hall of fame of records as a win adds them, small pictures of every
// format Qt writes (and GIF), an upright-turning EXIF JPEG, headers of every
// format claiming far more than their bytes hold, and the games kept on every
// board, in every phase.
std::vector<Seed> moveLogReplaySeeds();
std::vector<Seed> hallOfFameSeeds();
std::vector<Seed> pictureReadsSeeds();
std::vector<Seed> keptGameSeeds();

struct FuzzTarget {
    const char* name; // as scripts/fuzz and the corpus folders call it
    Finding (*check)(std::span<const std::uint8_t> input);
    std::vector<Seed> (*seeds)();
};

extern const std::array<FuzzTarget, 4> fuzzTargets;

} // namespace pintu::fuzz
