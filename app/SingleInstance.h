#pragma once

#include <QLockFile>
#include <QString>

namespace pintu {

enum class InstanceClaim {
    OnlyGame,        // this run holds the data folder
    AnotherGameRuns, // and owns the move log and the hall of fame meanwhile
    Unguarded,       // the folder takes no lock file, so no other run can keep files there either
};

// One game at a time per user: a lock file in the data folder, taken before
// the first window opens and held until the object goes, so that every way
// out of main lets it go. A lock left by a run that crashed or was killed
// is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataFolder);

    InstanceClaim claim() const { return outcome; }
    // Lets go of the lock before the object goes, for a way out that skips
    // the program's own ending.
    void release() { lock.unlock(); }

private:
    QLockFile lock;
    InstanceClaim outcome;
};

// Tells the player that a game already runs: on standard error, and in a
// message box where windows can be seen. Gives the status to exit with.
int refuseSecondGame();

} // namespace pintu
