#pragma once

#include "board/Arrangement.h"
#include "board/BoardSize.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pintu {

class Files;
class RecordFile;

// The shuffle's arrangements in fixed-length records of L bytes (the size's
// record length): record r (from 1) fills bytes (r-1) x L to r x L - 1 and
// holds a 16-bit little-endian count, then the tile number as text with a
// leading space (" 8", " 15"). Block b is the T records (T cells) from
// b x T + 1 to b x T + T, cell by cell.
class MoveLog {
public:
    explicit MoveLog(const BoardSize& size);
    ~MoveLog();

    // Reuses an existing file without emptying it: what lies beyond the
    // blocks written is kept, and never read.
    bool open(Files& files, const std::string& path);
    void close();

    bool writeBlock(int block, const Arrangement& arrangement);
    bool flush();

    // Nothing when the file ends early, a record is not a tile number of this
    // board, or the block is not an arrangement of all its tiles.
    std::optional<Arrangement> readBlock(int block);

private:
    const BoardSize& size;
    std::unique_ptr<RecordFile> file;
};

std::string encodeRecord(int tile, int recordLength);
std::optional<int> decodeRecord(std::string_view slot, const BoardSize& size);

} // namespace pintu
