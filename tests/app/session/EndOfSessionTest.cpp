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
// request to save, after which the player may still cancel, then the quit.
struct SessionStep {
    const char* name;
    void (*reach)(QSessionManager& manager);
    std::vector<std::string> ran;
};

class ALogout : public ::testing::TestWithParam<SessionStep> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, ALogout,
    ::testing::Values(SessionStep{"SaveRequest", [](QSessionManager& m) { emit qApp->commitDataRequest(m); }, {"save"}},
                      SessionStep{"StateRequest", [](QSessionManager& m) { emit qApp->saveStateRequest(m); }, {"save"}},
                      SessionStep{"Quit",
                                  [](QSessionManager&) {
                                      QEvent quit(QEvent::Quit);
                                      QApplication::sendEvent(qApp, &quit);
                                  },
                                  {"save", "end"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ALogout, SavesTheGameAndEndsItOnlyAtTheQuit)
{
    auto* manager = qApp->findChild<QSessionManager*>();
    ASSERT_NE(manager, nullptr);
    QWidget board;
    board.show();
    std::vector<std::string> ran;
    const EndOfSession ending(*qApp, [&] { ran.push_back("save"); }, [&] { ran.push_back("end"); });
    GetParam().reach(*manager);
    EXPECT_EQ(ran, GetParam().ran);
    // Never closed as the player closes it, which would end its game.
    EXPECT_TRUE(board.isVisible());
}

} // namespace
} // namespace pintu::test
