#pragma once

#include "fuzz/Finding.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace pintu::fuzz {

// Takes the input as a picture file and reads it in this process every way
// the picture reader does: the header alone, the whole picture, and what a
// board window needs of it (its preview and its tiles) at pixel ratios 1 and
// 2, then cuts the tiles as the board does. Every read gives nothing or
// exactly the sizes it promises, and cells come at the tile size times the
// ratio. A picture claiming more than 4 megapixels is only probed. Needs a
// QGuiApplication.
//
// The input: a byte choosing the file name's extension (as extensionChoice
// spells it), a byte choosing the board window whose sizes the reads use,
// then the file's bytes.
Finding checkPictureReads(std::span<const std::uint8_t> input);

inline constexpr std::array<const char*, 6> pictureExtensions{"bmp", "jpg", "png", "gif", "webp", "tif"};

// The first byte: the extension by its value mod 6. One the check never
// chooses does not compile.
consteval std::uint8_t extensionChoice(std::string_view extension)
{
    for (std::size_t e = 0; e < pictureExtensions.size(); ++e) {
        if (pictureExtensions[e] == extension)
            return static_cast<std::uint8_t>(e);
    }
    throw "an extension the check never chooses";
}

} // namespace pintu::fuzz
