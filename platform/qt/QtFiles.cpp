#include "platform/qt/QtFiles.h"

#include "platform/AtomicFile.h"
#include "platform/LastLineSpans.h"
#include "platform/qt/PathText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <span>

namespace pintu {

namespace {

constexpr const char* textEncoding = "GB18030";
// Read a piece at a time, so that a file of any size takes the same memory.
constexpr qint64 pieceBytes = 1 << 20;

// The game's own files live in the folder Qt gives for its data, so every
// path here is one Qt can name; any other fails rather than naming another file.
QString qPath(const std::string& path)
{
    return qtPath(path).value_or(QString());
}

bool makeFolderFor(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

std::optional<QByteArray> encoded(std::string_view text)
{
    QStringEncoder encoder(textEncoding);
    const QByteArray bytes = encoder(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// True when the file's last byte is no line end. A file that cannot be read
// (or a device, which has no last byte) gets no line end of ours either.
bool endsInsideALine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && last != '\r' && last != '\n';
}

// A character outside the Basic Multilingual Plane is one, not its two halves.
TextLine firstCharacters(const QString& text, std::size_t longest)
{
    qsizetype end = 0;
    for (std::size_t kept = 0; kept < longest && end < text.size(); ++kept) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return {text.first(end).toStdString(), end < text.size()};
}

class QtRecordFile final : public RecordFile {
public:
    explicit QtRecordFile(const QString& path) : file(path) {}

    bool open() { return file.open(QIODevice::ReadWrite); }

    bool write(std::int64_t offset, std::string_view bytes) override
    {
        const auto size = static_cast<qint64>(bytes.size());
        return file.seek(offset) && file.write(bytes.data(), size) == size;
    }

    std::optional<std::string> read(std::int64_t offset, std::int64_t size) override
    {
        if (!file.seek(offset))
            return std::nullopt;
        const QByteArray bytes = file.read(size);
        if (bytes.size() != size)
            return std::nullopt;
        return bytes.toStdString();
    }

    bool flush() override { return file.flush() && file.error() == QFileDevice::NoError; }

private:
    QFile file;
};

} // namespace

std::unique_ptr<RecordFile> QtFiles::openRecords(const std::string& path)
{
    if (!makeFolderFor(qPath(path)))
        return nullptr;
    auto file = std::make_unique<QtRecordFile>(qPath(path));
    if (!file->open())
        return nullptr;
    return file;
}

bool QtFiles::exists(const std::string& path) const
{
    return QFileInfo(qPath(path)).isFile();
}

bool QtFiles::remove(const std::string& path)
{
    return QFile::remove(qPath(path));
}

bool QtFiles::rename(const std::string& from, const std::string& to)
{
    const QString source = qPath(from);
    const QString target = qPath(to);
    // The system's own rename takes the place of a file already there, in one step.
    return !source.isEmpty() && !target.isEmpty() &&
           std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
}

bool QtFiles::appendText(const std::string& path, std::string_view text)
{
    auto bytes = encoded(text);
    if (!bytes || !makeFolderFor(qPath(path)))
        return false;
    if (endsInsideALine(qPath(path)))
        bytes->prepend("\r\n");
    QFile file(qPath(path));
    // Unbuffered: after a failed write no hidden buffer may reach the disk later.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 sizeBefore = file.size();
    const bool written = file.write(*bytes) == bytes->size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!written)
        file.resize(sizeBefore); // never leave half a record behind
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

WriteResult QtFiles::replaceText(const std::string& path, std::string_view text)
{
    const auto bytes = encoded(text);
    if (!bytes)
        return {std::make_error_code(std::errc::illegal_byte_sequence)};
    if (!qtPath(path))
        return {std::make_error_code(std::errc::invalid_argument)};
    // Made here rather than by Qt, which would not say why it could not.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(path, error).parent_path();
    if (!error)
        std::filesystem::create_directories(folder, error);
    if (error)
        return {error};
    return replaceFile(path, {std::as_bytes(std::span(bytes->constData(), bytes->size()))});
}

std::optional<std::string> QtFiles::readText(const std::string& path, std::size_t largest) const
{
    QFile file(qPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(largest));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder decoder(textEncoding);
    // A character cut short at the very end would vanish without a trace,
    // taking a last line of its own with it; a line end after it, taken off
    // again, makes it U+FFFD like any other damage.
    QString text = decoder(bytes + '\n');
    text.chop(1);
    return text.toStdString();
}

std::optional<LastLines> QtFiles::readLastLines(const std::string& path, std::size_t count, std::size_t longest) const
{
    QFile file(qPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    LastLineSpans finder(count);
    QByteArray piece(pieceBytes, Qt::Uninitialized);
    for (qint64 read = 0; (read = file.read(piece.data(), pieceBytes)) != 0;) {
        if (read < 0)
            return std::nullopt;
        finder.feed({piece.constData(), static_cast<std::size_t>(read)});
    }
    finder.end();

    const std::vector<LastLineSpans::Span> spans = finder.spans();
    LastLines tail{.lines = {}, .earlier = finder.lineCount() - static_cast<std::int64_t>(spans.size())};
    // GB18030 takes at most four bytes a character, so these hold `longest`
    // characters and the start of one more, which tells a line that goes on.
    const auto enough = static_cast<std::int64_t>(4 * (longest + 1));
    QStringDecoder decoder(textEncoding);
    for (const LastLineSpans::Span& span : spans) {
        const std::int64_t size = std::min(span.length, enough);
        if (!file.seek(span.start))
            return std::nullopt;
        const QByteArray bytes = file.read(size);
        if (bytes.size() != size)
            return std::nullopt;
        // A character cut short at the end of the bytes would vanish without
        // a trace, or join the next line; a line end after it, taken off
        // again, makes it U+FFFD like any other damage.
        QString text = decoder(bytes + '\n');
        text.chop(1);
        tail.lines.push_back(firstCharacters(text, longest));
    }
    return tail;
}

} // namespace pintu
