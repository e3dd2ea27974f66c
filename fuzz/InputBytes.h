#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pintu::fuzz {

// A fuzzer's input, taken from the front. Every take succeeds, with zeros or
// fewer bytes once the input runs out, so that any input means something.
class InputBytes {
public:
    explicit InputBytes(std::span<const std::uint8_t> bytes) : bytes(bytes) {}

    bool empty() const { return position == bytes.size(); }
    std::uint8_t takeByte();
    std::uint16_t takeLittleEndian16();
    std::string take(std::size_t count);
    std::string takeRest();

private:
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

} // namespace pintu::fuzz
