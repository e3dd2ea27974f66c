#pragma once

#include "board/BoardSize.h"

#include <optional>
#include <string_view>
#include <vector>

namespace pintu::fuzz {

// The move log read from its bytes as its format is written down in
// MoveLog.h, apart from the game's own reader, so that a fuzzer can hold the
// two against each other: the tile in each cell of `block`, or nothing when
// the file ends early, a record is no tile number of the board or a tile
// comes twice.
std::optional<std::vector<int>> loggedBlock(std::string_view log, const BoardSize& size, int block);

} // namespace pintu::fuzz
