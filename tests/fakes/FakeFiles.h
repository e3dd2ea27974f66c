#pragma once

#include "platform/Files.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pintu::test {

// Files held in memory. Text files keep their UTF-8 as it is.
class FakeFiles final : public Files {
public:
    std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
    bool exists(const std::string& path) const override { return contents.count(path) != 0; }
    bool remove(const std::string& path) override { return contents.erase(path) != 0; }
    bool rename(const std::string& from, const std::string& to) override;
    bool appendText(const std::string& path, std::string_view text) override;
    WriteResult replaceText(const std::string& path, std::string_view text) override;
    std::optional<std::string> readText(const std::string& path, std::size_t largest) const override;
    std::optional<LastLines> readLastLines(const std::string& path, std::size_t count,
                                           std::size_t longest) const override;

    std::map<std::string, std::string> contents;
    std::vector<std::pair<std::int64_t, std::int64_t>> reads; // offset and size of every record read
    int openFiles = 0;
    bool failOpen = false;
    bool failWrites = false;
    bool failAppend = false;
    std::error_code replaceFailure; // set: every replace fails for this reason
};

} // namespace pintu::test
