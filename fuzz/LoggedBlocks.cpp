#include "fuzz/LoggedBlocks.h"

namespace pintu::fuzz {

namespace {

std::optional<int> recordedTile(std::string_view record, int cells)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(record[i])); };
    const std::size_t count = byte(0) + 256 * byte(1);
    // A leading space and at least one digit, all inside the record.
    if (count < 2 || count > record.size() - 2 || record[2] != ' ')
        return std::nullopt;
    int tile = 0;
    for (const char digit : record.substr(3, count - 1)) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        tile = tile * 10 + (digit - '0');
        if (tile >= cells)
            return std::nullopt;
    }
    return tile;
}

} // namespace

std::optional<std::vector<int>> loggedBlock(std::string_view log, const BoardSize& size, int block)
{
    const std::size_t recordLength = size.recordLength;
    const std::size_t first = static_cast<std::size_t>(block) * size.cells * recordLength;
    if (log.size() < first + size.cells * recordLength)
        return std::nullopt;
    std::vector<int> tiles;
    std::vector<bool> seen(size.cells, false);
    for (int c = 0; c < size.cells; ++c) {
        const auto tile = recordedTile(log.substr(first + c * recordLength, recordLength), size.cells);
        if (!tile || seen[*tile])
            return std::nullopt;
        seen[*tile] = true;
        tiles.push_back(*tile);
    }
    return tiles;
}

} // namespace pintu::fuzz
