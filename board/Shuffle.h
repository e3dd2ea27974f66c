#pragma once

#include "BoardSize.h"

#include <functional>

namespace pintu {

class Random;

// Receives block j, the arrangement after j exchanges; false stops the walk.
using BlockRecorder = std::function<bool(int block, const Arrangement& arrangement)>;

// Walks the blank J + 1 times from the solved order, one random draw a step.
// Blocks 0 to J go to `record` as they are passed; afterwards `board` holds
// block J and `workBoard` one exchange more, which is never shown. False when
// `record` failed.
bool shuffle(const BoardSize& size, Random& random, Arrangement& board, Arrangement& workBoard,
             const BlockRecorder& record);

} // namespace pintu
