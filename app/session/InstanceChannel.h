#pragma once

#include <QLocalServer>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace pintu {

// How the game that runs hears of a second start: the second one hands over
// the picture it was given (or none) and ends, and the game comes to the
// front. A picture travels as the bytes of its absolute path, so that no
// name is lost on the way. Another program may start pintu endlessly: a
// few callers are heard at a time, the others wait their turn in the
// system, and of the pictures handed over only the latest waits to be
// acted on, so the game's memory stays as it was.
class InstanceChannel final : public QObject {
    Q_OBJECT
public:
    using HandedOver = std::function<void(std::optional<std::string> picture)>;

    // Listens on `name` (a local socket of this user) while the object lives;
    // nothing, quietly, where no socket can be made.
    InstanceChannel(const QString& name, HandedOver handedOver);

private:
    void takeCallers();
    void take(QLocalSocket* socket);
    void handOver(std::optional<std::string> picture);

    QLocalServer server;
    HandedOver handedOver;
    int callers = 0;
    std::optional<std::optional<std::string>> waiting;
};

// How long a second start waits for the running game to answer.
inline constexpr std::chrono::milliseconds handOverPatience{2000};

// Hands `picture` (or none) to the game listening on `name`; true once that
// game has answered within `patience`. A game still starting gets until then
// to open its channel.
bool handOverToRunningGame(const QString& name, const std::optional<std::string>& picture,
                           std::chrono::milliseconds patience = handOverPatience);

} // namespace pintu
