#include "platform/qt/pictures/reader/Lockdown.h"

#include <seccomp.h>

#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>

#include <cerrno>
#include <initializer_list>
#include <memory>
#include <sched.h>

namespace pintu {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

// The channel to the game is descriptor 0.
constexpr int channel = 0;

bool limit(int resource, rlim_t most)
{
    const rlimit bound{most, most};
    return ::setrlimit(resource, &bound) == 0;
}

// Calls free of any argument. Reading and writing go to whatever the reader
// holds: its socket, the picture, the null device, the counters its threads
// wake each other with; nothing it can open.
constexpr std::initializer_list<int> plainCalls{
    SCMP_SYS(read), SCMP_SYS(pread64), SCMP_SYS(readv), SCMP_SYS(write), SCMP_SYS(writev), SCMP_SYS(lseek),
    SCMP_SYS(fstat), SCMP_SYS(newfstatat), SCMP_SYS(close), SCMP_SYS(eventfd2),
    SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(madvise), SCMP_SYS(brk), SCMP_SYS(sysinfo),
    SCMP_SYS(futex), SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(sched_yield), SCMP_SYS(sched_getaffinity),
    SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigreturn),
    SCMP_SYS(sigaltstack), SCMP_SYS(clock_gettime), SCMP_SYS(clock_nanosleep), SCMP_SYS(nanosleep),
    SCMP_SYS(getrandom), SCMP_SYS(exit), SCMP_SYS(exit_group),
};

bool installFilter()
{
    const std::unique_ptr<void, decltype(&seccomp_release)> filter(seccomp_init(SCMP_ACT_KILL_PROCESS),
                                                                    seccomp_release);
    if (!filter)
        return false;
    bool added = true;
    const auto allow = [&](int call, std::initializer_list<scmp_arg_cmp> arguments = {}) {
        added = added && seccomp_rule_add_array(filter.get(), SCMP_ACT_ALLOW, call,
                                                static_cast<unsigned>(arguments.size()), arguments.begin()) == 0;
    };
    for (const int call : plainCalls)
        allow(call);
    allow(SCMP_SYS(sendto), {SCMP_A0(SCMP_CMP_EQ, channel)});
    allow(SCMP_SYS(recvmsg), {SCMP_A0(SCMP_CMP_EQ, channel)});
    // Memory, never to run as code.
    allow(SCMP_SYS(mmap), {SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0)});
    allow(SCMP_SYS(mprotect), {SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0)});
    // Threads of its own, and no other process: clone3 keeps its flags where
    // no filter reads them, so the C library is told it is not there and
    // falls back to clone.
    allow(SCMP_SYS(clone), {SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD)});
    added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0;
    // Its threads' names.
    allow(SCMP_SYS(prctl), {SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME)});
    // AddressSanitizer tells memory it may read by writing it to a pipe of its own.
    if (sanitized)
        allow(SCMP_SYS(pipe2));
    return added && seccomp_load(filter.get()) == 0;
}

} // namespace

bool lockDown(const ReaderLimits& limits)
{
    if (!sanitized && !limit(RLIMIT_DATA, limits.memoryBytes))
        return false;
    const auto seconds = static_cast<rlim_t>(limits.processorTime.count());
    return limit(RLIMIT_CPU, seconds) && limit(RLIMIT_CORE, 0) && limit(RLIMIT_FSIZE, 0) &&
           ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0 && ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           installFilter();
}

} // namespace pintu
