#pragma once

#include "board/Arrangement.h"
#include "board/BoardSize.h"

#include <functional>
#include <optional>

namespace pintu {

class Random;

// Receives block j, the arrangement after j moves of the walk; false stops it.
using BlockRecorder = std::function<bool(int block, const Arrangement& arrangement)>;

// Walks the blank shuffleSteps + 1 times from the solved order, one random
// draw a step, and returns the arrangement after shuffleSteps moves: the last
// move is drawn but never shown. Blocks 0 to shuffleSteps go to `record` as
// they are passed. Nothing when `record` failed.
std::optional<Arrangement> shuffle(const BoardSize& size, Random& random, const BlockRecorder& record);

} // namespace pintu
