#include "board/MoveLog.h"

#include "platform/Files.h"

#include <cstdint>

namespace pintu {

namespace {

std::int64_t blockOffset(const BoardSize& size, int block)
{
    return std::int64_t{block} * size.cells * size.recordLength;
}

} // namespace

std::string encodeRecord(int tile, int recordLength)
{
    const std::string text = " " + std::to_string(tile);
    std::string slot(recordLength, '\0');
    slot[0] = static_cast<char>(text.size() & 0xFF);
    slot[1] = static_cast<char>(text.size() >> 8);
    slot.replace(2, text.size(), text);
    return slot;
}

std::optional<int> decodeRecord(std::string_view slot, const BoardSize& size)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(slot[i]); };
    const std::size_t count = byte(0) | byte(1) << 8;
    if (count < 2 || 2 + count > slot.size())
        return std::nullopt;
    const std::string_view text = slot.substr(2, count);
    if (text[0] != ' ')
        return std::nullopt;
    int tile = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        tile = tile * 10 + (digit - '0');
    }
    if (tile >= size.cells)
        return std::nullopt;
    return tile;
}

MoveLog::MoveLog(const BoardSize& size) : size(size) {}

MoveLog::~MoveLog() = default;

bool MoveLog::open(Files& files, const std::string& path)
{
    file = files.openRecords(path);
    return file != nullptr;
}

void MoveLog::close()
{
    file.reset();
}

bool MoveLog::writeBlock(int block, const Arrangement& arrangement)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.cells) * size.recordLength);
    for (const int tile : arrangement.tiles())
        bytes += encodeRecord(tile, size.recordLength);
    return file && file->write(blockOffset(size, block), bytes);
}

bool MoveLog::flush()
{
    return file && file->flush();
}

std::optional<Arrangement> MoveLog::readBlock(int block)
{
    if (!file)
        return std::nullopt;
    const auto bytes = file->read(blockOffset(size, block), std::int64_t{size.cells} * size.recordLength);
    if (!bytes)
        return std::nullopt;
    std::vector<int> tiles(size.cells);
    for (int c = 0; c < size.cells; ++c) {
        const auto tile = decodeRecord(std::string_view(*bytes).substr(c * size.recordLength, size.recordLength), size);
        if (!tile)
            return std::nullopt;
        tiles[c] = *tile;
    }
    return Arrangement::fromTiles(size.side, std::move(tiles));
}

} // namespace pintu
