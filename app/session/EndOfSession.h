#pragma once

#include <QObject>

#include <functional>

class QGuiApplication;
class QSocketNotifier;

namespace pintu {

// The desktop ending the program: SIGTERM, SIGHUP (a logout, a shutdown, a
// closed terminal) or the session manager ending the session. `end` runs
// once, on the windows' thread, in place of whatever the signal would do.
class EndOfSession final : public QObject {
    Q_OBJECT
public:
    EndOfSession(QGuiApplication& application, std::function<void()> end);
    ~EndOfSession() override;

private:
    void ending();

    std::function<void()> end;
    QSocketNotifier* signalArrived = nullptr;
    bool ended = false;
};

} // namespace pintu
