#pragma once

#include <QObject>

#include <functional>

class QGuiApplication;
class QSocketNotifier;

namespace pintu {

// The desktop ending the program: SIGTERM, SIGHUP (a logout, a shutdown, a
// closed terminal) or a quit of the application (the session manager ending
// the session). `save` and then `end` run once, on the windows' thread, in
// place of whatever the signal or the quit would do: a quit would close the
// windows as the player closes them, ending their game. The session
// manager's request to save before a logout runs `save` alone, and the game
// plays on: the logout may still be cancelled.
class EndOfSession final : public QObject {
    Q_OBJECT
public:
    EndOfSession(QGuiApplication& application, std::function<void()> save, std::function<void()> end);
    ~EndOfSession() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ending();

    std::function<void()> save;
    std::function<void()> end;
    QSocketNotifier* signalArrived = nullptr;
    bool ended = false;
};

} // namespace pintu
