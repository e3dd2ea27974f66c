#pragma once

#include <optional>
#include <string>

namespace pintu::fuzz {

// The first check an input broke, in words that say where to look; nothing
// when every check held.
using Finding = std::optional<std::string>;

} // namespace pintu::fuzz
