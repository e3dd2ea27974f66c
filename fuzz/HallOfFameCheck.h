#pragma once

#include "fuzz/Finding.h"

#include <cstdint>
#include <span>

namespace pintu::fuzz {

// Takes the input as the hall-of-fame file and follows it where the game
// does: its newest lines read from disk as GB18030, turned newest first,
// shown in the hall-of-fame window, and a win's record appended. Reading
// keeps the file's lines and counts those it leaves out, each line read is
// the line decoded with the whole file (or its start, when cut), newest
// first gives them in reverse, the window shows what newest first gave, line
// for line, and the record appended reads back as a line of its own. Needs a
// QApplication.
Finding checkHallOfFame(std::span<const std::uint8_t> input);

} // namespace pintu::fuzz
