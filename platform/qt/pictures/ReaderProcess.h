#pragma once

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

namespace pintu {

// One picture reader, started ahead of need: its process and the game's end
// of the socket that is the reader's only descriptor of worth. It is given
// an environment of nothing but the sanitizers' settings: no display, no
// paths, no language.
class ReaderProcess {
public:
    // Nothing when `program` cannot be started.
    static std::unique_ptr<ReaderProcess> start(const std::string& program);
    ReaderProcess(const ReaderProcess&) = delete;
    ReaderProcess& operator=(const ReaderProcess&) = delete;
    // A reader still running is killed.
    ~ReaderProcess();

    // The game's end of the socket, which never blocks.
    int channel() const { return socket; }
    // Readable once the process has ended.
    int endNotice() const { return processHandle; }

    // Sends the request with the descriptor `file` beside it; false when the
    // reader is gone.
    bool send(const QByteArray& request, int file);
    void kill();
    // How the process ended, once it has: true only when of itself and
    // saying all went well.
    bool endedWell();

private:
    ReaderProcess(pid_t id, int processHandle, int socket);

    pid_t id;
    int processHandle;
    int socket;
    std::optional<int> status; // once reaped
};

} // namespace pintu
