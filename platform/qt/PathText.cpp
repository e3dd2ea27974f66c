#include "platform/qt/PathText.h"

#include "platform/Files.h"

#include <QFile>
#include <QStringDecoder>
#include <QUrl>

namespace pintu {

namespace {

constexpr const char* archiveEncoding = "GB18030";

std::optional<QString> decoded(QStringDecoder decoder, std::string_view bytes)
{
    QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString shownName(std::string_view bytes)
{
    constexpr auto whole = QStringDecoder::Flag::Stateless;
    if (auto text = decoded(QStringDecoder(QStringDecoder::Utf8, whole), bytes))
        return *text;
    if (auto text = decoded(QStringDecoder(archiveEncoding, whole), bytes))
        return *text;
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::optional<QString> qtPath(std::string_view path)
{
    return decoded(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless), path);
}

std::optional<std::string> localFile(const QUrl& url)
{
    if (!url.isLocalFile() || !url.host().isEmpty())
        return std::nullopt;
    std::string path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    if (!canNameAFile(path))
        return std::nullopt;
    return path;
}

} // namespace pintu
