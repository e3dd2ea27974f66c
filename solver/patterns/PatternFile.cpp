#include "solver/patterns/PatternFile.h"

#include "solver/PlacementRank.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

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

// A table is written under its own name with this and the writer's process id added.
constexpr std::string_view partialMark = ".partial-";

void put(Header& header, std::size_t at, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        header[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t get(const Header& header, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(header[at + i]) << (8 * i);
    return value;
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

bool writeAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Whether the process `pid` names may still run: one that cannot be asked,
// another user's, counts as running.
bool mayRun(std::string_view pid)
{
    pid_t number = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), number);
    if (error != std::errc{} || end != pid.data() + pid.size() || number <= 0)
        return true;
    return number == ::getpid() || ::kill(number, 0) == 0 || errno != ESRCH;
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
    // The process id keeps two programs that build the same table at once
    // (the game and pintu-solve) out of each other's way.
    std::filesystem::path partial = file;
    partial += std::string(partialMark) + std::to_string(::getpid());

    const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, header.data(), header.size())
                      && writeAll(fd, table.entries.data(), table.entries.size())
                      && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(partial, file, error);
    if (!written || !closed || error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

void removeAbandonedPartials(const std::filesystem::path& folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::size_t mark = name.rfind(partialMark);
        if (!name.starts_with("pattern-") || mark == std::string::npos || !name.substr(0, mark).ends_with(".pdb")
            || mayRun(std::string_view(name).substr(mark + partialMark.size())))
            continue;
        std::error_code ignored;
        std::filesystem::remove(entry->path(), ignored);
    }
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
