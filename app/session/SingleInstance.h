#pragma once

#include <QLockFile>
#include <QString>

#include <optional>

namespace pintu {

enum class InstanceClaim {
    OnlyGame,        // this run holds the data folder
    AnotherGameRuns, // and owns the move log and the hall of fame meanwhile
    Unguarded,       // no lock can be written anywhere, so no other run can keep files either
};

// One game at a time per user: a lock file in the data folder, taken before
// the first window opens and held until the object goes, so that every way
// out of main lets it go. A lock that stands for no live game of this user
// (left by a run that crashed or was killed, cut short, or garbage) is taken
// over. Where the data folder takes no lock, a lock beside the channel
// stands in for it.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataFolder);

    InstanceClaim claim() const { return outcome; }
    // Where a second start finds the running game: a local socket of this
    // user, one for each data folder; "" where the system offers no place.
    QString channelName() const;
    // A folder that stands where the lock belongs; "" when there is none.
    QString folderInTheWay() const;
    // Lets go of the lock before the object goes, for a way out that skips
    // the program's own ending.
    void release();

private:
    QLockFile lock;
    QString runtimePlace;
    std::optional<QLockFile> standIn;
    InstanceClaim outcome;
};

// Tells the player that a game already runs: on standard error, and in a
// message box where windows can be seen. Gives the status to exit with.
int refuseSecondGame();

// Tells the player, in the same ways, which folder to remove so that the
// lock can be kept where it belongs again.
void reportFolderInTheWay(const QString& folder);

} // namespace pintu
