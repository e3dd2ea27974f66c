#pragma once

#include "board/Board.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pintu {

// The game under way as it is kept between runs: which board window of which
// layout set, on which picture, and where the game stands.
struct KeptGame {
    int layoutSet; // 0: the 640 x 480 set, 1: the 800 x 600 set
    const BoardSize* size;
    std::string picturePath;
    Board::Snapshot game;

    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// The kept file's text: ASCII lines ending in CR LF, a version line first and
// a CRC-32 of every byte before it last.
std::string keptGameText(const KeptGame& kept);

// More than any kept game's text takes, the longest picture path escaped
// included: a longer file is damaged, and only this much of it is read.
inline constexpr std::size_t largestKeptGameText = 64 * 1024;

// `lines`, each ending in CR LF, and then the line of their CRC-32.
std::string withChecksum(std::string lines);

// Nothing unless `text` is a whole kept game of this version that can be
// played on: short, garbled, of another version, tiles that do not fit the
// board, are not each there once or can never come home, steps or time
// beyond where the game stops them, a phase or replay the board cannot be in.
std::optional<KeptGame> readKeptGame(std::string_view text);

} // namespace pintu
