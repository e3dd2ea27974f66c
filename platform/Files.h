#pragma once

#include "platform/WriteResult.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pintu {

struct TextLine {
    std::string text;
    bool cut = false; // the line goes on after `text`
};

// The end of a text file.
struct LastLines {
    std::vector<TextLine> lines; // oldest first
    std::int64_t earlier = 0;    // the lines before them
};

// A file opened for reading and writing at any byte offset.
class RecordFile {
public:
    virtual ~RecordFile() = default;

    virtual bool write(std::int64_t offset, std::string_view bytes) = 0;
    // The `size` bytes at `offset`, or nothing when the file ends before them.
    virtual std::optional<std::string> read(std::int64_t offset, std::int64_t size) = 0;
    // Pushes everything written to the disk; false when any write failed.
    virtual bool flush() = 0;
};

// Whether `path` can name a file: no name holds a NUL, and the system reads a
// path only up to one, so the bytes before it would name another file.
constexpr bool canNameAFile(std::string_view path)
{
    return path.find('\0') == std::string_view::npos;
}

// Text files are UTF-8 here; on disk they are GB18030. Paths are the bytes
// the system names files by.
class Files {
public:
    virtual ~Files() = default;

    // Opens the file for random access, creating it and its folder when
    // missing and keeping what an existing file holds. Null on failure.
    virtual std::unique_ptr<RecordFile> openRecords(const std::string& path) = 0;

    virtual bool exists(const std::string& path) const = 0;
    virtual bool remove(const std::string& path) = 0;
    // Gives the file at `from` the name `to`, in place of any file there.
    virtual bool rename(const std::string& from, const std::string& to) = 0;

    // Appends `text` and closes the file again, creating it and its folder when
    // missing. A file that ends inside a line (edited by hand, or cut short)
    // gets a CR LF first, so that `text` starts a line of its own. On failure
    // the file keeps exactly what it held before.
    virtual bool appendText(const std::string& path, std::string_view text) = 0;

    // Replaces the whole file with `text` at once, creating its folder when
    // missing: whenever it ends, even by a crash or a power cut, the file
    // holds either what it held before or all of `text`; on failure the
    // system's reason. Safe to call from another thread than the other operations.
    virtual WriteResult replaceText(const std::string& path, std::string_view text) = 0;

    // At most the first `largest` bytes of a file, bytes that are not GB18030
    // read as U+FFFD. Nothing when it cannot be read.
    virtual std::optional<std::string> readText(const std::string& path, std::size_t largest) const = 0;

    // The last `count` lines of a text file, a line ending at CR LF, CR or LF
    // (a last line without an end counts too), with bytes that are not
    // GB18030 read as U+FFFD. A line of more than `longest` characters keeps
    // its first `longest`, so that a file of any size reads in bounded time
    // and memory. Nothing when it cannot be read.
    virtual std::optional<LastLines> readLastLines(const std::string& path, std::size_t count,
                                                   std::size_t longest) const = 0;
};

} // namespace pintu
