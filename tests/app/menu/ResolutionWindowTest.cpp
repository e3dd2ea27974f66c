#include "app/Game.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/TestPictures.h"
#include "tests/support/TestServices.h"
#include "tests/support/WindowControls.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace pintu::test {
namespace {

// The whole game over real files in a folder of its own, which is also the
// current folder while it runs (the menu's folder list starts there).
struct GameHarness : TestServices {
    QRadioButton* option(LayoutSet set) { return resolutionOption(resolutionWindow(), set); }
    QPushButton* startButton() { return named<QPushButton>(resolutionWindow(), ResolutionControlNames::start); }

    Game game{services};
};

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void choose(QRadioButton* option)
{
    click(option);
    ASSERT_TRUE(option->isChecked()) << option->text().toStdString();
}

QColor captionColour(const QRadioButton* option)
{
    return option->palette().color(QPalette::WindowText);
}

QColor buttonText()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

TEST(ResolutionWindow, OpensWith640x480Chosen)
{
    GameHarness run;
    run.game.start();
    ASSERT_TRUE(resolutionWindow().isVisible());
    EXPECT_EQ(resolutionWindow().windowTitle(), "分辨率选择");
    EXPECT_EQ(run.option(LayoutSet::A)->text(), "640*480");
    EXPECT_EQ(run.option(LayoutSet::B)->text(), "800*600");
    EXPECT_EQ(run.startButton()->text(), "开始");
    EXPECT_TRUE(run.option(LayoutSet::A)->isChecked());
    EXPECT_FALSE(run.option(LayoutSet::B)->isChecked());
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
}

TEST(ResolutionWindow, StartWithoutTouchingTheOptionsOpensTheMenuOfSetA)
{
    GameHarness run;
    run.game.start();
    click(run.startButton());

    EXPECT_FALSE(resolutionWindow().isVisible());
    MenuWindow* menu = run.game.menu(LayoutSet::A);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->layoutSet(), LayoutSet::A);
    EXPECT_EQ(menu->windowTitle(), "开始");
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
    EXPECT_EQ(run.endings, 0);
}

TEST(ResolutionWindow, Choosing800x600OpensTheMenuOfSetB)
{
    GameHarness run;
    run.game.start();
    choose(run.option(LayoutSet::B));
    EXPECT_FALSE(run.option(LayoutSet::A)->isChecked());
    click(run.startButton());

    EXPECT_FALSE(resolutionWindow().isVisible());
    MenuWindow* menu = run.game.menu(LayoutSet::B);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->layoutSet(), LayoutSet::B);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
}

TEST(ResolutionWindow, StartAsksForExactlyOneMenu)
{
    for (const LayoutSet chosen : {LayoutSet::A, LayoutSet::B}) {
        std::vector<LayoutSet> asked;
        ResolutionWindow window([&](LayoutSet set) { asked.push_back(set); }, [] {});
        window.show();
        choose(resolutionOption(window, chosen));
        click(named(window, ResolutionControlNames::start));
        EXPECT_EQ(asked, std::vector<LayoutSet>{chosen});
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(ResolutionWindow, TheChosenResolutionTurnsRedAndTheOtherKeepsTheButtonTextColour)
{
    GameHarness run;
    run.game.start();
    EXPECT_EQ(captionColour(run.option(LayoutSet::A)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(LayoutSet::B)), buttonText());

    choose(run.option(LayoutSet::B));
    EXPECT_EQ(captionColour(run.option(LayoutSet::B)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(LayoutSet::A)), buttonText());

    choose(run.option(LayoutSet::A));
    EXPECT_EQ(captionColour(run.option(LayoutSet::A)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(LayoutSet::B)), buttonText());
}

TEST(ResolutionWindow, TheCloseBoxEndsTheProgramWithoutAMenu)
{
    GameHarness run;
    run.game.start();
    resolutionWindow().close();
    EXPECT_EQ(run.endings, 1);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
}

} // namespace
} // namespace pintu::test
