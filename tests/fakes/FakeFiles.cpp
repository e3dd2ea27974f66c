#include "tests/fakes/FakeFiles.h"

#include "platform/LastLineSpans.h"

namespace pintu::test {

namespace {

class FakeRecordFile final : public RecordFile {
public:
    FakeRecordFile(FakeFiles& files, std::string path) : files(files), path(std::move(path)) { ++files.openFiles; }
    ~FakeRecordFile() override { --files.openFiles; }

    bool write(std::int64_t offset, std::string_view bytes) override
    {
        if (files.failWrites)
            return false;
        std::string& content = files.contents[path];
        if (content.size() < offset + bytes.size())
            content.resize(offset + bytes.size(), '\0');
        content.replace(offset, bytes.size(), bytes);
        return true;
    }

    std::optional<std::string> read(std::int64_t offset, std::int64_t size) override
    {
        files.reads.emplace_back(offset, size);
        const auto file = files.contents.find(path);
        if (file == files.contents.end() || static_cast<std::int64_t>(file->second.size()) < offset + size)
            return std::nullopt;
        return file->second.substr(offset, size);
    }

    bool flush() override { return !files.failWrites; }

private:
    FakeFiles& files;
    std::string path;
};

} // namespace

std::unique_ptr<RecordFile> FakeFiles::openRecords(const std::string& path)
{
    if (failOpen)
        return nullptr;
    contents[path];
    return std::make_unique<FakeRecordFile>(*this, path);
}

bool FakeFiles::appendText(const std::string& path, std::string_view text)
{
    if (failAppend)
        return false;
    std::string& content = contents[path];
    if (!content.empty() && content.back() != '\r' && content.back() != '\n')
        content += "\r\n";
    content += text;
    return true;
}

bool FakeFiles::rename(const std::string& from, const std::string& to)
{
    const auto file = contents.find(from);
    if (replaceFailure || file == contents.end())
        return false;
    contents[to] = std::move(file->second);
    contents.erase(from);
    return true;
}

WriteResult FakeFiles::replaceText(const std::string& path, std::string_view text)
{
    if (replaceFailure)
        return {replaceFailure};
    contents[path] = text;
    return {};
}

std::optional<std::string> FakeFiles::readText(const std::string& path, std::size_t largest) const
{
    const auto file = contents.find(path);
    if (file == contents.end())
        return std::nullopt;
    return file->second.substr(0, largest);
}

std::optional<LastLines> FakeFiles::readLastLines(const std::string& path, std::size_t count,
                                                  std::size_t longest) const
{
    const auto file = contents.find(path);
    if (file == contents.end())
        return std::nullopt;
    LastLineSpans finder(count);
    finder.feed(file->second);
    finder.end();
    LastLines tail;
    tail.earlier = finder.lineCount();
    for (const LastLineSpans::Span& span : finder.spans()) {
        --tail.earlier;
        // Cut by bytes, which splits no ASCII character.
        const std::string_view line = std::string_view(file->second).substr(span.start, span.length);
        tail.lines.push_back({std::string(line.substr(0, longest)), line.size() > longest});
    }
    return tail;
}

} // namespace pintu::test
