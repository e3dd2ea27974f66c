#pragma once

#include "fuzz/Finding.h"

#include <cstdint>
#include <span>

namespace pintu::fuzz {

// How the input becomes the kept file.
enum class KeptInput : std::uint8_t {
    AsItIs,       // the rest of the input is the file
    WithChecksum, // the rest are the lines, and the game's checksum follows them
};

// Takes the rest of the input as the kept game's file and reads it from
// disk as the game does. A game read must be exactly the text the game
// writes for it, and a board of its size must play on from it: the
// arrangement, steps, time and phase as read, its replay given up (no move
// log lies beside it), one empty view unless the picture is whole. Played on,
// a move and longer than any game lasts, it keeps a game that reads back as itself.
Finding checkKeptGame(std::span<const std::uint8_t> input);

} // namespace pintu::fuzz
