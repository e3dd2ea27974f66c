#include "app/session/EndOfSession.h"

#include <QApplication>
#include <QSessionManager>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pintu::test {
namespace {

// What reaches the game at a logout, from the desktop's session manager: a
// request to save, which the player may still cancel, then the quit.
struct SessionStep {
    const char* name;
    std::function<void()> reach;
    std::vector<std::string> ran;
};

QSessionManager& sessionManager()
{
    return *qApp->findChild<QSessionManager*>();
}

class ALogout : public ::testing::TestWithParam<SessionStep> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, ALogout,
    ::testing::Values(SessionStep{"SaveRequest", [] { emit qApp->commitDataRequest(sessionManager()); }, {"save"}},
                      SessionStep{"StateRequest", [] { emit qApp->saveStateRequest(sessionManager()); }, {"save"}},
                      SessionStep{"Quit",
                                  [] {
                                      QEvent quit(QEvent::Quit);
                                      QCoreApplication::sendEvent(qApp, &quit);
                                  },
                                  {"save", "end"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ALogout, SavesTheGameAndEndsItOnlyAtTheQuit)
{
    ASSERT_NE(qApp->findChild<QSessionManager*>(), nullptr);
    QWidget board;
    board.show();
    std::vector<std::string> ran;
    const EndOfSession ending(*qApp, [&] { ran.push_back("save"); }, [&] { ran.push_back("end"); });
    GetParam().reach();
    EXPECT_EQ(ran, GetParam().ran);
    // Never closed as the player closes it, which would end its game.
    EXPECT_TRUE(board.isVisible());
}

} // namespace
} // namespace pintu::test
