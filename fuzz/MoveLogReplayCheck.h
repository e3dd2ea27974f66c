#pragma once

#include "board/BoardSize.h"
#include "fuzz/Finding.h"

#include <array>
#include <cstdint>
#include <span>

namespace pintu::fuzz {

// Starts a small board on the test fakes, lets the input patch or replace the
// move log the start wrote, then plays the commands the input spells out:
// the replay buttons, tile clicks, arrow keys, the number map, closing a won
// picture, a new start and more damage to the log, each only where a player
// could reach it. After every command the screen, the phase, the outcome and
// the buttons must agree with each other and with what the log's bytes hold.
//
// The input: a byte choosing the size and the way the log changes (as
// sizeChoice spells it), a byte seeding the shuffle, the change, then
// commands: a byte each (mod 10), followed by its arguments.
enum class LogChange {
    Patch,   // a byte: up to 8 patches (mod 9), each as damageLog takes it
    Replace, // a 16-bit little-endian length, then the whole log
};

inline constexpr std::array<const BoardSize*, 3> smallSizes{&board3x3, &board4x4, &board5x5};

// The first byte: the size by its value mod 3, the change by its value / 3, mod 2.
constexpr std::uint8_t sizeChoice(std::size_t sizeIndex, LogChange change)
{
    return static_cast<std::uint8_t>(sizeIndex + smallSizes.size() * static_cast<std::size_t>(change));
}

enum class ReplayCommand {
    AutoSolve,
    StepForward,
    StepBack,
    Restart,
    Click, // a byte: the cell (mod cells)
    Press, // a byte: left, right, up, down (mod 4)
    ShowNumberMap,
    CloseCompletedPicture,
    Start,
    DamageLog, // as damageLog in LogDamage.h takes it
};

Finding checkMoveLogReplay(std::span<const std::uint8_t> input);

} // namespace pintu::fuzz
