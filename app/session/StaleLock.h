#pragma once

#include <QString>

namespace pintu {

enum class LockTakeover {
    Removed,  // it stood for no live game, and is gone
    Held,     // a live game holds it, or is taking it this moment
    Stuck,    // it stands for no live game, but cannot be removed from its folder
};

// Takes away the lock file at `path` that QLockFile has left though it stands
// for no game: one that names nobody (empty, cut short or garbage) and that no
// game holds in the kernel either. QLockFile itself takes over a lock naming
// a process that is gone, another user's or another program's, or one left
// before the machine last started; a lock it can read and has left stands for
// a live game, here or on another machine, out of sight from here.
LockTakeover takeOverStaleLock(const QString& path);

} // namespace pintu
