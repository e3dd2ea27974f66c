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
TEST(EndOfSession, ALogoutSavesTheGameAndEndsItOnlyAtTheQuit)
{
    QSessionManager* manager = qApp->findChild<QSessionManager*>();
    ASSERT_NE(manager, nullptr);
    QEvent quit(QEvent::Quit);
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> steps{
        {[&] { emit qApp->commitDataRequest(*manager); }, {"save"}},
        {[&] { emit qApp->saveStateRequest(*manager); }, {"save"}},
        {[&] { QApplication::sendEvent(qApp, &quit); }, {"save", "end"}},
    };
    for (const auto& [reach, expected] : steps) {
        QWidget board;
        board.show();
        std::vector<std::string> ran;
        const EndOfSession ending(*qApp, [&] { ran.push_back("save"); }, [&] { ran.push_back("end"); });
        reach();
        EXPECT_EQ(ran, expected);
        // Never closed as the player closes it, which would end its game.
        EXPECT_TRUE(board.isVisible());
    }
}

} // namespace
} // namespace pintu::test
