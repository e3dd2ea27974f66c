#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace pintu {

namespace {

constexpr std::string_view partialMark = ".partial-";

std::error_code lastSystemError()
{
    return {errno, std::generic_category()};
}

std::error_code writeAll(int fd, std::span<const std::byte> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0)
            return lastSystemError();
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

// Whether the process a partial file's name ends in may still run: one that
// cannot be asked, another user's, counts as running.
bool mayRun(std::string_view writer)
{
    const std::string_view pid = writer.substr(0, writer.find('-'));
    pid_t number = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), number);
    if (error != std::errc{} || end != pid.data() + pid.size() || number <= 0)
        return true;
    return number == ::getpid() || ::kill(number, 0) == 0 || errno != ESRCH;
}

} // namespace

WriteResult replaceFile(const std::filesystem::path& file, std::initializer_list<std::span<const std::byte>> parts)
{
    // The process id keeps two programs that write the same file at once out
    // of each other's way, and the count two threads of one program.
    static std::atomic<unsigned> replaces;
    std::filesystem::path partial = file;
    partial += std::string(partialMark) + std::to_string(::getpid()) + "-" + std::to_string(replaces++);

    const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return {lastSystemError()};
    std::error_code error;
    for (const std::span<const std::byte> part : parts) {
        if (!error)
            error = writeAll(fd, part);
    }
    if (!error && ::fsync(fd) != 0)
        error = lastSystemError();
    if (::close(fd) != 0 && !error)
        error = lastSystemError();
    if (!error)
        std::filesystem::rename(partial, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
    }
    return {error};
}

void removeAbandonedPartials(const std::filesystem::path& folder,
                             const std::function<bool(std::string_view name)>& replaced)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::size_t mark = name.rfind(partialMark);
        if (mark == std::string::npos || !replaced(std::string_view(name).substr(0, mark))
            || mayRun(std::string_view(name).substr(mark + partialMark.size())))
            continue;
        std::error_code ignored;
        std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace pintu
