#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QFile;

namespace pintu {

// The file system by the bytes of its paths (PathText.h says why), for the
// names that Qt's own calls would leave out or could not open.

struct FolderEntry {
    std::string name; // as the system stores it
    QString shown;    // as the player reads it
};

enum class EntryKind { File, Folder };

// The regular files, or the folders, of `folder` (a link counts as what it
// leads to), but the hidden ones, whose names start with ".", in the order
// of their shown names whatever their case. None when it cannot be read.
std::vector<FolderEntry> folderEntries(const std::string& folder, EntryKind kind);

// Whether `path` is a folder that can be listed and entered.
bool isOpenableFolder(const std::string& path);

// `path` taken from the current folder when relative, without ".", ".." or
// a separator at the end.
std::string absolutePath(const std::string& path);

// Opens the regular file at `path` for reading in `file`, which is not open;
// false for anything else, which is never waited on (a FIFO).
bool openForReading(QFile& file, const std::string& path);

// What tells one file from another, and one version of a file from the next.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// Nothing when there is nothing at `path`.
std::optional<FileStamp> fileStamp(const std::string& path);
// Of a file that is open.
std::optional<FileStamp> fileStamp(const QFile& file);

} // namespace pintu
