#include "solver/SideBySide.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <thread>

namespace pintu::solver {
namespace {

TEST(SideBySide, MemoryRunningOutOnAHelperEndsTheOthersAndReachesTheCallerOnceAllHaveEnded)
{
    std::atomic<bool> givenUp = false;
    std::atomic<int> ended = 0;
    const auto work = [&](std::size_t thread) {
        if (thread == 1)
            throw std::bad_alloc();
        while (!givenUp)
            std::this_thread::yield();
        ++ended;
    };
    EXPECT_THROW(workSideBySide(3, work, [&] { givenUp = true; }), std::bad_alloc);
    EXPECT_EQ(ended, 2);
}

} // namespace
} // namespace pintu::solver
