#include "app/session/EndOfSession.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace pintu {

namespace {

constexpr std::array endingSignals{SIGTERM, SIGHUP};

// A signal handler may do almost nothing: it only writes a byte into this
// pipe, and the windows' thread reads it like any other event.
int signalPipe[2] = {-1, -1};

void signalled(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

EndOfSession::EndOfSession(QGuiApplication& application, std::function<void()> save, std::function<void()> end)
    : save(std::move(save)), end(std::move(end))
{
    for (const auto request : {&QGuiApplication::commitDataRequest, &QGuiApplication::saveStateRequest})
        connect(&application, request, this, [this](QSessionManager&) { this->save(); });
    application.installEventFilter(this);
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalArrived = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(signalArrived, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        ending();
    });
    struct sigaction action {};
    action.sa_handler = signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endingSignals)
        sigaction(signal, &action, nullptr);
}

EndOfSession::~EndOfSession()
{
    if (!signalArrived)
        return;
    for (const int signal : endingSignals)
        std::signal(signal, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
}

bool EndOfSession::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
        return false;
    ending();
    return true;
}

void EndOfSession::ending()
{
    if (std::exchange(ended, true))
        return;
    save();
    end();
}

} // namespace pintu
