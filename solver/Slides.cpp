#include "solver/Slides.h"

namespace pintu::solver {

std::vector<int> withoutReturns(std::span<const int> slides)
{
    std::vector<int> kept;
    kept.reserve(slides.size());
    for (int tile : slides) {
        if (!kept.empty() && kept.back() == tile)
            kept.pop_back();
        else
            kept.push_back(tile);
    }
    return kept;
}

} // namespace pintu::solver
