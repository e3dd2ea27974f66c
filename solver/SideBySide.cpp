#include "solver/SideBySide.h"

#include <atomic>
#include <new>
#include <thread>
#include <vector>

namespace pintu::solver {

void workSideBySide(std::size_t threads, const std::function<void(std::size_t thread)>& work,
                    const std::function<void()>& giveUp)
{
    std::atomic<bool> outOfMemory = false;
    // The caller's own share is caught too, so that the helpers hear of it
    // before the caller waits for them.
    const auto entry = [&](std::size_t thread) {
        try {
            work(thread);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
            giveUp();
        }
    };
    {
        std::vector<std::jthread> helpers;
        // No helper starts unless there is room to keep every one.
        helpers.reserve(threads);
        for (std::size_t thread = 1; thread < threads; ++thread)
            helpers.emplace_back(entry, thread);
        entry(0);
    }
    if (outOfMemory)
        throw std::bad_alloc();
}

} // namespace pintu::solver
