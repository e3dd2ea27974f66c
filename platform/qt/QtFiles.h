#pragma once

#include "platform/Files.h"

namespace pintu {

// Files on disk. Text is stored in GB18030, which holds every name a player
// can type and is byte for byte GB2312 where GB2312 suffices.
class QtFiles final : public Files {
public:
    std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
    bool exists(const std::string& path) const override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool appendText(const std::string& path, std::string_view text) override;
    WriteResult replaceText(const std::string& path, std::string_view text) override;
    std::optional<std::string> readText(const std::string& path, std::size_t largest) const override;
    std::optional<LastLines> readLastLines(const std::string& path, std::size_t count,
                                           std::size_t longest) const override;
};

} // namespace pintu
