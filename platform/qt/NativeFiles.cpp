#include "platform/qt/NativeFiles.h"

#include "platform/qt/PathText.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace pintu {

namespace fs = std::filesystem;

std::vector<FolderEntry> folderEntries(const std::string& folder, EntryKind kind)
{
    const fs::file_type wanted = kind == EntryKind::File ? fs::file_type::regular : fs::file_type::directory;
    std::vector<FolderEntry> entries;
    std::error_code listing;
    for (fs::directory_iterator entry(folder, listing), end; !listing && entry != end; entry.increment(listing)) {
        std::string name = entry->path().filename().native();
        std::error_code broken; // a link that leads nowhere is neither
        if (name.starts_with('.') || entry->status(broken).type() != wanted)
            continue;
        QString shown = shownName(name);
        entries.push_back({std::move(name), std::move(shown)});
    }
    // Names that show alike (bad bytes all show as U+FFFD) keep one order.
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int byShown = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return byShown != 0 ? byShown < 0 : a.name < b.name;
    });
    return entries;
}

bool isOpenableFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error) && ::access(path.c_str(), R_OK | X_OK) == 0;
}

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    std::string clean = fs::absolute(path, error).lexically_normal().native();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

bool openForReading(QFile& file, const std::string& path)
{
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (handle < 0)
        return false;
    struct stat status {};
    // Once it is known to be a file, its reads may wait for the disk again.
    if (::fstat(handle, &status) == 0 && S_ISREG(status.st_mode) && ::fcntl(handle, F_SETFL, 0) == 0 &&
        file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
}

namespace {

FileStamp stampOf(const struct stat& status)
{
    return {status.st_dev, status.st_ino, status.st_size,
            status.st_mtim.tv_sec * std::int64_t{1'000'000'000} + status.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> fileStamp(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return stampOf(status);
}

std::optional<FileStamp> fileStamp(const QFile& file)
{
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0)
        return std::nullopt;
    return stampOf(status);
}

} // namespace pintu
