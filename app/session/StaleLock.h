#pragma once

#include <QString>

namespace pintu {

enum class LockTakeover {
    Removed,  // it stood for no live game, and is gone
    Held,     // a live game holds it, or is taking it this moment
    Stuck,    // it stands for no live game, but cannot be removed from its folder
};

// Takes away the lock file at `path` unless it stands for a live game of this
// user. It stands for none when it is empty, unreadable or garbage, when it
// names a process that is gone, another user's, or another program, or when
// it was left before the machine last started. A lock from another machine
// is left alone: its game may live, out of sight from here.
LockTakeover takeOverStaleLock(const QString& path);

} // namespace pintu
