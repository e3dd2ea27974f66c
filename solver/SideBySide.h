#pragma once

#include <cstddef>
#include <functional>

namespace pintu::solver {

// Runs `work(thread)` on `threads` threads at once, thread 0 being the
// caller's own, and returns once every one is done. A thread that runs out
// of memory ends its work there and calls `giveUp` (maybe while another
// does) to make the others end early; the caller then gets the
// std::bad_alloc, as if it had run out itself, so that a helper never ends
// the program and the search or build gives up as a whole.
void workSideBySide(std::size_t threads, const std::function<void(std::size_t thread)>& work,
                    const std::function<void()>& giveUp);

} // namespace pintu::solver
