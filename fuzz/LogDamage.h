#pragma once

#include "BoardSize.h"

#include <string>

namespace pintu::fuzz {

class InputBytes;

// One change to the move log's bytes, as the input spells it: a 16-bit
// little-endian offset (mod the log's size + 1), then a byte whose top two
// bits choose: 0 overwrites the bytes there with the (value mod 16) + 1 bytes
// that follow; 1 swaps the record there with the record a 16-bit number
// names; 2 copies the block a 16-bit number names over the block there; 3
// cuts the log there.
void damageLog(std::string& log, const BoardSize& size, InputBytes& input);

} // namespace pintu::fuzz
