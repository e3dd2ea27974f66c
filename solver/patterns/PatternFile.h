#pragma once

#include "solver/patterns/PatternTable.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace pintu::solver {

// A pattern table on disk: a 64-byte header (a magic word, the format
// version, the side, the pattern's tiles, the entry count and a checksum of
// the entries), then the entries, four a byte as PatternTable keeps them.
inline constexpr std::uint32_t patternFileVersion = 2;

// Nothing unless the file holds a whole, undamaged table of this version for
// exactly this side and these tiles: a table that is not trusted is rebuilt.
std::optional<PatternTable> loadPatternTable(const std::filesystem::path& file, int side, const std::vector<int>& tiles);

// Replaces `file` at once, so that a crash leaves either the old file or the
// whole new one. False, with nothing left behind, when the folder cannot take it.
bool savePatternTable(const std::filesystem::path& file, const PatternTable& table);

// Removes the tables that saves of programs no longer running left half
// written in `folder` when they were killed. A table that a running program
// may still be writing stays.
void removeAbandonedTables(const std::filesystem::path& folder);

// Removes the tables in `folder` that an older version of the format holds:
// a table still needed is built again, and one no longer needed would stay
// for good. Tables of a newer version, and files not recognised, stay.
void removeOutdatedTables(const std::filesystem::path& folder);

// The checksum the header keeps of a table's entries.
std::uint64_t patternChecksum(std::span<const std::uint8_t> entries);

} // namespace pintu::solver
