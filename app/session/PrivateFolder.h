#pragma once

#include <QString>

namespace pintu {

// True when `path` is, or has just been made in one step, a folder of this
// user's that nobody else may enter or change: owned by this user, open to
// nobody else, and no symbolic link, which another user could have left to
// lead elsewhere.
bool ensurePrivateFolder(const QString& path);

} // namespace pintu
