#pragma once

#include "board/BoardSize.h"

#include <cstdint>
#include <string>

namespace pintu::fuzz {

class InputBytes;

// One change to the move log's bytes, as the input spells it: a 16-bit
// little-endian offset (mod the log's size + 1), then a byte whose top two
// bits choose the damage (as damageChoice spells it), followed by what that
// damage takes.
void damageLog(std::string& log, const BoardSize& size, InputBytes& input);

enum class Damage {
    Overwrite,   // the bytes there, with the (byte's value mod 16) + 1 bytes that follow
    SwapRecords, // the record there with the record a 16-bit number names
    CopyBlock,   // the block a 16-bit number names over the block there
    Cut,         // the log there
};

// The byte choosing `damage`; Overwrite's low bits left clear overwrite one byte.
constexpr std::uint8_t damageChoice(Damage damage)
{
    return static_cast<std::uint8_t>(static_cast<int>(damage) << 6);
}

} // namespace pintu::fuzz
