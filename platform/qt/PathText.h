#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QUrl;

namespace pintu {

// The game holds every path as the bytes the system stores it by, in a
// std::string. Most names are UTF-8, but one unpacked from an archive made on
// Chinese Windows is GB18030, and a QString cannot name such a file: these
// turn bytes into text only to show them, and text from Qt into bytes.

// A name as the player reads it: UTF-8 where it is, else GB18030 where it
// decodes as such, else UTF-8 with U+FFFD for each byte that is not.
QString shownName(std::string_view bytes);

// The bytes of a path that Qt gives as text (the home folder, a volume).
std::string nativePath(const QString& path);

// Qt's text for a path, for the Qt calls that take one; nothing when the
// bytes are not UTF-8, as any text would name another file.
std::optional<QString> qtPath(std::string_view path);

// The path of a local file:// URL, which carries its bytes percent-escaped,
// whatever they are; nothing for a URL of another kind, of another machine,
// or with a NUL byte.
std::optional<std::string> localFile(const QUrl& url);

} // namespace pintu
