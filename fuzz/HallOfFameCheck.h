#pragma once

#include "Finding.h"

#include <cstdint>
#include <span>

namespace pintu::fuzz {

// Takes the input as the hall-of-fame file and follows it where the game
// does: read from disk as GB18030, turned newest first, shown in the
// hall-of-fame window. Decoding keeps the file's lines, newest first gives
// them in reverse with CR LF after each, turning twice gives them back, and
// the window shows what newest first gave, line for line. Needs a QApplication.
Finding checkHallOfFame(std::span<const std::uint8_t> input);

} // namespace pintu::fuzz
