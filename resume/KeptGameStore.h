#pragma once

#include "resume/KeptGame.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

namespace pintu {

class Files;

// The one kept game, in its file. Writing happens on a thread of its own, so
// that no move waits for the disk: while one write is under way only the
// latest game asked for waits, and each write replaces the file whole.
class KeptGameStore {
public:
    // How the write of a game went, told on the writer's thread: no error
    // when the game is on the disk. A game that a later one replaced before
    // its turn came is never written, and nothing is told of it.
    using WriteReport = std::function<void(std::error_code)>;

    KeptGameStore(Files& files, std::string path);
    // Writes what is still asked for first.
    ~KeptGameStore();

    // The game kept by an earlier run. One that cannot be played on is
    // forgotten on the way.
    std::optional<KeptGame> read();
    void keep(const KeptGame& game, WriteReport report = nullptr);
    void forget();
    // Waits until everything asked for is on the disk.
    void settle();

private:
    struct Job {
        std::optional<std::string> text; // nothing: the file goes
        WriteReport report;
    };

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
