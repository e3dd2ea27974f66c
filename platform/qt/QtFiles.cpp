#include "QtFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unistd.h>

namespace pintu {

namespace {

constexpr const char* textEncoding = "GB18030";

QString qPath(const std::string& path)
{
    return QString::fromStdString(path);
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

bool QtFiles::appendText(const std::string& path, std::string_view text)
{
    const auto bytes = encoded(text);
    if (!bytes || !makeFolderFor(qPath(path)))
        return false;
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

bool QtFiles::replaceText(const std::string& path, std::string_view text)
{
    const auto bytes = encoded(text);
    if (!bytes || !makeFolderFor(qPath(path)))
        return false;
    // A temporary file beside the old one, pushed to the disk and then
    // renamed over it; never written in place, even where renaming fails.
    // Unbuffered: a buffered write cut short by a full disk can slip past
    // the commit unnoticed.
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(*bytes) != bytes->size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> QtFiles::readText(const std::string& path) const
{
    QFile file(qPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
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

} // namespace pintu
