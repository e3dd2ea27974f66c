#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace pintu {

namespace {

// Half way down from the default to the lowest.
constexpr int behindNiceness = 10;

} // namespace

void runBehindOtherWork()
{
    // On Linux each thread has a nice value of its own, set through its id;
    // a thread starts with its creator's. One already further behind stays.
    const auto thread = static_cast<id_t>(gettid());
    errno = 0;
    const int now = getpriority(PRIO_PROCESS, thread);
    if (errno == 0)
        setpriority(PRIO_PROCESS, thread, std::max(now, behindNiceness));
}

} // namespace pintu
