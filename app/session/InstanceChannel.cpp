#include "app/session/InstanceChannel.h"

#include "platform/Files.h"
#include "platform/qt/NativeFiles.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <memory>
#include <utility>

namespace pintu {

namespace {

// A message is the length of the picture's path in four bytes (big-endian,
// 0 for none), then the path. The game answers with one byte.
constexpr int lengthBytes = 4;
constexpr quint32 longestPath = 64 * 1024;
constexpr char answer = '\x06';
constexpr int retryMilliseconds = 50;
// Callers heard at once, and accepted ones waiting to be heard: each holds a
// socket and at most a message.
constexpr int mostCallers = 16;
// Too short for a player to notice the wait.
constexpr std::chrono::milliseconds actingMoment{20};

QByteArray message(const std::optional<std::string>& picture)
{
    // Taken from the folder the second start was started in, as its bytes.
    const std::string absolute = picture ? absolutePath(*picture) : std::string();
    const QByteArray path(absolute.data(), static_cast<qsizetype>(absolute.size()));
    QByteArray bytes(lengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(path.size()), bytes.data());
    return bytes + path;
}

int remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(deadline.remainingTime());
}

// Shows the window the player would deal with next, in front of all others:
// a box over the game, else the game's window shown.
void bringGameToFront()
{
    QWidget* front = QApplication::activeModalWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!front && window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            front = window;
    }
    if (!front)
        return;
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}

} // namespace

InstanceChannel::InstanceChannel(const QString& name, HandedOver handedOver) : handedOver(std::move(handedOver))
{
    if (name.isEmpty())
        return;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.setMaxPendingConnections(mostCallers);
    // This game holds the lock, so a socket already there was left by one that crashed.
    if (!server.listen(name) && server.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        server.listen(name);
    }
    connect(&server, &QLocalServer::newConnection, this, &InstanceChannel::takeCallers);
}

void InstanceChannel::takeCallers()
{
    while (callers < mostCallers) {
        QLocalSocket* socket = server.nextPendingConnection();
        if (!socket)
            return;
        take(socket);
    }
}

void InstanceChannel::take(QLocalSocket* socket)
{
    ++callers;
    // Sockets are the server's children: the last ones go with it, when
    // nobody is heard any more.
    connect(socket, &QObject::destroyed, &server, [this] {
        --callers;
        takeCallers();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A caller that says nothing sensible in time is dropped.
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    QTimer::singleShot(handOverPatience, socket, drop);
    constexpr qsizetype longestMessage = lengthBytes + longestPath;
    socket->setReadBufferSize(longestMessage);
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, received, drop] {
        *received += socket->read(longestMessage - received->size());
        if (received->size() < lengthBytes)
            return;
        const quint32 length = qFromBigEndian<quint32>(received->constData());
        if (length > longestPath) {
            drop();
            return;
        }
        if (received->size() < lengthBytes + static_cast<qsizetype>(length))
            return;
        std::string picture = received->mid(lengthBytes, length).toStdString();
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        socket->write(&answer, 1);
        socket->flush();
        socket->disconnectFromServer();
        const bool named = !picture.empty() && canNameAFile(picture);
        handOver(named ? std::optional(std::move(picture)) : std::nullopt);
    });
}

void InstanceChannel::handOver(std::optional<std::string> picture)
{
    const bool alreadyWaiting = waiting.has_value();
    waiting = std::move(picture);
    // Acted on once the second start has its answer, and a moment later, so
    // that of a flood the game acts on no more than a picture each moment.
    if (!alreadyWaiting)
        QTimer::singleShot(actingMoment, this, [this] {
            bringGameToFront();
            handedOver(*std::exchange(waiting, std::nullopt));
        });
}

bool handOverToRunningGame(const QString& name, const std::optional<std::string>& picture,
                           std::chrono::milliseconds patience)
{
    if (name.isEmpty())
        return false;
    const QDeadlineTimer deadline(patience);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(remaining(deadline)))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(retryMilliseconds);
    }
    socket.write(message(picture));
    socket.flush();
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining(deadline)))
            return false;
    }
    char answered = 0;
    return socket.getChar(&answered) && answered == answer;
}

} // namespace pintu
