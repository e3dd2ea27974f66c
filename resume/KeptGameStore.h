#pragma once

#include "resume/KeptGame.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace pintu {

class Files;

// The one kept game, in its file. Writing happens on a thread of its own, so
// that no move waits for the disk: while one write is under way only the
// latest game asked for waits, and each write replaces the file whole.
class KeptGameStore {
public:
    KeptGameStore(Files& files, std::string path);
    // Writes what is still asked for first.
    ~KeptGameStore();

    // The game kept by an earlier run. One that cannot be played on is
    // forgotten on the way.
    std::optional<KeptGame> read();
    void keep(const KeptGame& game);
    void forget();
    // Waits until everything asked for is on the disk.
    void settle();

private:
    // The text to write, or nothing: the file goes.
    using Job = std::optional<std::string>;

    void ask(Job job);
    void write(std::stop_token stop);

    Files& files;
    const std::string path;
    std::mutex guard;
    std::condition_variable_any changed;
    std::optional<Job> waiting;
    bool writing = false;
    std::jthread writer; // last: it starts once everything it uses exists
};

} // namespace pintu
