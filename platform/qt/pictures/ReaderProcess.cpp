#include "platform/qt/pictures/ReaderProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace pintu {

namespace {

constexpr std::array<const char*, 3> sanitizerSettings{"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"};
constexpr int firstFree = 3;

std::vector<std::string> readerEnvironment()
{
    std::vector<std::string> settings;
    for (const char* name : sanitizerSettings)
        if (const char* value = std::getenv(name))
            settings.push_back(std::string(name) + "=" + value);
    return settings;
}

// Spawning hands the reader its socket as descriptor 0, nothing but the
// null device as 1 and 2, and closes every other descriptor the game has.
struct SpawnActions {
    explicit SpawnActions(int readerEnd)
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, readerEnd, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclosefrom_np(&actions, firstFree);
        posix_spawnattr_init(&attributes);
        sigset_t signalSet;
        sigfillset(&signalSet);
        posix_spawnattr_setsigdefault(&attributes, &signalSet);
        sigemptyset(&signalSet);
        posix_spawnattr_setsigmask(&attributes, &signalSet);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnActions()
    {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

} // namespace

std::unique_ptr<ReaderProcess> ReaderProcess::start(const std::string& program)
{
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return nullptr;
    // A game started without standard descriptors may get one of them back
    // here, which the reader's own would then replace.
    const int readerEnd = ends[1] >= firstFree ? ends[1] : ::fcntl(ends[1], F_DUPFD_CLOEXEC, firstFree);
    const SpawnActions spawn(readerEnd);
    std::vector<std::string> settings = readerEnvironment();
    std::vector<char*> environment;
    for (std::string& setting : settings)
        environment.push_back(setting.data());
    environment.push_back(nullptr);
    std::string name = program;
    std::array<char*, 2> arguments{name.data(), nullptr};
    pid_t id = 0;
    const bool started = readerEnd >= 0 && ::posix_spawn(&id, program.c_str(), &spawn.actions, &spawn.attributes,
                                                        arguments.data(), environment.data()) == 0;
    ::close(ends[1]);
    if (readerEnd != ends[1] && readerEnd >= 0)
        ::close(readerEnd);
    const int handle = started ? static_cast<int>(::syscall(SYS_pidfd_open, id, 0)) : -1;
    if (handle < 0 || ::fcntl(ends[0], F_SETFL, O_NONBLOCK) != 0) {
        if (started) {
            ::kill(id, SIGKILL);
            ::waitpid(id, nullptr, 0);
        }
        if (handle >= 0)
            ::close(handle);
        ::close(ends[0]);
        return nullptr;
    }
    return std::unique_ptr<ReaderProcess>(new ReaderProcess(id, handle, ends[0]));
}

ReaderProcess::ReaderProcess(pid_t id, int processHandle, int socket)
    : id(id), processHandle(processHandle), socket(socket)
{}

ReaderProcess::~ReaderProcess()
{
    if (!status) {
        kill();
        ::waitpid(id, nullptr, 0);
    }
    ::close(socket);
    ::close(processHandle);
}

bool ReaderProcess::send(const QByteArray& request, int file)
{
    iovec part{const_cast<char*>(request.constData()), static_cast<size_t>(request.size())};
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(int))> control{};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int));
    std::memcpy(CMSG_DATA(header), &file, sizeof file);
    ssize_t sent = 0;
    do
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent == request.size();
}

void ReaderProcess::kill()
{
    if (!status)
        ::syscall(SYS_pidfd_send_signal, processHandle, SIGKILL, nullptr, 0);
}

bool ReaderProcess::endedWell()
{
    if (!status) {
        int ended = 0;
        if (::waitpid(id, &ended, WNOHANG) != id)
            return false;
        status = ended;
    }
    return WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

} // namespace pintu
