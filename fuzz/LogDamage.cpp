#include "fuzz/LogDamage.h"

#include "fuzz/InputBytes.h"

#include <algorithm>

namespace pintu::fuzz {

void damageLog(std::string& log, const BoardSize& size, InputBytes& input)
{
    const std::size_t at = input.takeLittleEndian16() % (log.size() + 1);
    const std::uint8_t how = input.takeByte();
    const std::size_t recordLength = size.recordLength;
    const std::size_t blockLength = recordLength * size.cells;
    switch (static_cast<Damage>(how >> 6)) {
    case Damage::Overwrite: {
        // Bytes overwritten past the end make the file grow.
        const std::string bytes = input.take(how % 16 + 1);
        if (log.size() < at + bytes.size())
            log.resize(at + bytes.size());
        log.replace(at, bytes.size(), bytes);
        return;
    }
    case Damage::SwapRecords: {
        // Damage that every record survives: a block may even still hold every tile once.
        const std::size_t records = log.size() / recordLength;
        if (records == 0)
            return;
        const std::size_t first = at / recordLength % records * recordLength;
        const std::size_t second = input.takeLittleEndian16() % records * recordLength;
        std::swap_ranges(log.begin() + first, log.begin() + first + recordLength, log.begin() + second);
        return;
    }
    case Damage::CopyBlock: {
        // Another arrangement of the shuffle in this one's place.
        const std::size_t blocks = log.size() / blockLength;
        if (blocks == 0)
            return;
        const std::size_t to = at / blockLength % blocks * blockLength;
        const std::size_t from = input.takeLittleEndian16() % blocks * blockLength;
        log.replace(to, blockLength, log.substr(from, blockLength));
        return;
    }
    case Damage::Cut:
        log.resize(at);
        return;
    }
}

} // namespace pintu::fuzz
