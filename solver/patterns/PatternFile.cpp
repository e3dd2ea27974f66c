#include "solver/patterns/PatternFile.h"

#include "platform/AtomicFile.h"
#include "platform/ByteOrder.h"
#include "solver/PlacementRank.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <fstream>
#include <span>
#include <string_view>

namespace pintu::solver {

namespace {

constexpr std::array<char, 8> magic{'P', 'I', 'N', 'T', 'U', 'P', 'D', 'B'};
constexpr std::size_t maxTiles = 28;
constexpr std::size_t headerSize = 64;
using Header = std::array<unsigned char, headerSize>;

// Field offsets in the header; every number is little-endian.
constexpr std::size_t versionAt = 8;
constexpr std::size_t sideAt = 12;
constexpr std::size_t tileCountAt = 16;
constexpr std::size_t tilesAt = 20;
constexpr std::size_t entryCountAt = 48;
constexpr std::size_t checksumAt = 56;

void put(Header& header, std::size_t at, std::uint64_t value, std::size_t bytes)
{
    writeNumber(std::as_writable_bytes(std::span(header).subspan(at, bytes)), value, std::endian::little);
}

std::uint64_t get(const Header& header, std::size_t at, std::size_t bytes)
{
    return readNumber(std::as_bytes(std::span(header).subspan(at, bytes)), std::endian::little);
}

Header headerFor(int side, const std::vector<int>& tiles, std::uint64_t entries, std::uint64_t sum)
{
    Header header{};
    std::memcpy(header.data(), magic.data(), magic.size());
    put(header, versionAt, patternFileVersion, 4);
    put(header, sideAt, static_cast<std::uint64_t>(side), 4);
    put(header, tileCountAt, tiles.size(), 4);
    for (std::size_t i = 0; i < tiles.size() && i < maxTiles; ++i)
        header[tilesAt + i] = static_cast<unsigned char>(tiles[i]);
    put(header, entryCountAt, entries, 8);
    put(header, checksumAt, sum, 8);
    return header;
}

} // namespace

std::uint64_t patternChecksum(std::span<const std::uint8_t> entries)
{
    // FNV-1a: enough to tell a damaged table from a sound one.
    std::uint64_t hash = 0xcbf29ce484222325;
    for (std::uint8_t byte : entries) {
        hash ^= byte;
        hash *= 0x100000001b3;
    }
    return hash;
}

std::optional<PatternTable> loadPatternTable(const std::filesystem::path& file, int side, const std::vector<int>& tiles)
{
    std::ifstream in(file, std::ios::binary);
    Header header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size()))
        return std::nullopt;
    const std::uint64_t entries = placementCount(static_cast<int>(tiles.size()), side * side);
    if (tiles.size() > maxTiles || header != headerFor(side, tiles, entries, get(header, checksumAt, 8)))
        return std::nullopt;

    PatternTable table{side, tiles, std::vector<std::uint8_t>(PatternTable::bytesFor(entries))};
    if (!in.read(reinterpret_cast<char*>(table.entries.data()), static_cast<std::streamsize>(table.entries.size()))
        || in.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;
    if (patternChecksum(table.entries) != get(header, checksumAt, 8))
        return std::nullopt;
    return table;
}

bool savePatternTable(const std::filesystem::path& file, const PatternTable& table)
{
    const std::uint64_t entries = placementCount(static_cast<int>(table.tiles.size()), table.side * table.side);
    const Header header = headerFor(table.side, table.tiles, entries, patternChecksum(table.entries));
    return static_cast<bool>(
        replaceFile(file, {std::as_bytes(std::span(header)), std::as_bytes(std::span(table.entries))}));
}

void removeAbandonedTables(const std::filesystem::path& folder)
{
    removeAbandonedPartials(folder, [](std::string_view table) {
        return table.starts_with("pattern-") && table.ends_with(".pdb");
    });
}

void removeOutdatedTables(const std::filesystem::path& folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with("pattern-") || !name.ends_with(".pdb"))
            continue;
        Header header{};
        std::ifstream in(entry->path(), std::ios::binary);
        if (!in.read(reinterpret_cast<char*>(header.data()), versionAt + 4)
            || !std::equal(magic.begin(), magic.end(), header.begin())
            || get(header, versionAt, 4) >= patternFileVersion)
            continue;
        in.close();
        std::error_code ignored;
        std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace pintu::solver
