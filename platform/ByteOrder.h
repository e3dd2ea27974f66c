#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pintu {

// Numbers as files store them: in as many bytes as the format gives them (at
// most eight), the most significant first (big-endian) or last.

constexpr std::uint64_t readNumber(std::span<const std::byte> bytes, std::endian order)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::byte byte = bytes[order == std::endian::big ? i : bytes.size() - 1 - i];
        value = value << 8 | std::to_integer<std::uint64_t>(byte);
    }
    return value;
}

constexpr void writeNumber(std::span<std::byte> bytes, std::uint64_t value, std::endian order)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[order == std::endian::little ? i : bytes.size() - 1 - i] = static_cast<std::byte>(value >> 8 * i);
}

} // namespace pintu
