#pragma once

#include <span>
#include <vector>

namespace pintu::solver {

// Sliding the same tile twice running puts it back, so both slides go; what
// remains reaches the same board.
std::vector<int> withoutReturns(std::span<const int> slides);

} // namespace pintu::solver
