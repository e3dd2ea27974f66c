#include "fuzz/InputBytes.h"

#include <algorithm>

namespace pintu::fuzz {

std::uint8_t InputBytes::takeByte()
{
    return empty() ? 0 : bytes[position++];
}

std::uint16_t InputBytes::takeLittleEndian16()
{
    const std::uint8_t low = takeByte();
    return static_cast<std::uint16_t>(low | takeByte() << 8);
}

std::string InputBytes::take(std::size_t count)
{
    const std::size_t taken = std::min(count, bytes.size() - position);
    std::string text(reinterpret_cast<const char*>(bytes.data() + position), taken);
    position += taken;
    return text;
}

std::string InputBytes::takeRest()
{
    return take(bytes.size() - position);
}

} // namespace pintu::fuzz
