#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <thread>

namespace pintu {
namespace {

int niceness()
{
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

TEST(ThreadPriority, LowersTheThreadAndThoseItStartsButNoOther)
{
    const int before = niceness();
    int behind = 0;
    int started = 0;
    std::thread([&] {
        runBehindOtherWork();
        behind = niceness();
        std::thread([&] { started = niceness(); }).join();
    }).join();
    EXPECT_GT(behind, 0);
    EXPECT_GE(behind, before);
    EXPECT_EQ(started, behind);
    EXPECT_EQ(niceness(), before);
}

} // namespace
} // namespace pintu
