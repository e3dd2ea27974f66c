#include "FakeClock.h"
#include "Game.h"
#include "QtFiles.h"
#include "ScriptedRandom.h"
#include "TestPictures.h"
#include "TestServices.h"

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
    ResolutionWindow& form0() { return game.resolutionWindow(); }
    QRadioButton* option(int index) { return form0().findChild<QRadioButton*>(QString("Option1_%1").arg(index)); }
    QPushButton* startButton() { return form0().findChild<QPushButton*>("Command1"); }

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
    ASSERT_TRUE(run.form0().isVisible());
    EXPECT_EQ(run.form0().windowTitle(), "分辨率选择");
    EXPECT_EQ(run.option(0)->text(), "640*480");
    EXPECT_EQ(run.option(1)->text(), "800*600");
    EXPECT_EQ(run.startButton()->text(), "开始");
    EXPECT_TRUE(run.option(0)->isChecked());
    EXPECT_FALSE(run.option(1)->isChecked());
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
}

TEST(ResolutionWindow, StartWithoutTouchingTheOptionsOpensTheMenuOfSetA)
{
    GameHarness run;
    run.game.start();
    click(run.startButton());

    EXPECT_FALSE(run.form0().isVisible());
    MenuWindow* form1 = run.game.menu(LayoutSet::A);
    ASSERT_NE(form1, nullptr);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form1->layoutSet(), LayoutSet::A);
    EXPECT_EQ(form1->windowTitle(), "开始");
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
    EXPECT_EQ(run.endings, 0);
}

TEST(ResolutionWindow, Choosing800x600OpensTheMenuOfSetB)
{
    GameHarness run;
    run.game.start();
    choose(run.option(1));
    EXPECT_FALSE(run.option(0)->isChecked());
    click(run.startButton());

    EXPECT_FALSE(run.form0().isVisible());
    MenuWindow* form11 = run.game.menu(LayoutSet::B);
    ASSERT_NE(form11, nullptr);
    EXPECT_TRUE(form11->isVisible());
    EXPECT_EQ(form11->layoutSet(), LayoutSet::B);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
}

TEST(ResolutionWindow, StartAsksForExactlyOneMenu)
{
    for (const int chosen : {0, 1}) {
        std::vector<LayoutSet> asked;
        ResolutionWindow form0([&](LayoutSet set) { asked.push_back(set); }, [] {});
        form0.show();
        choose(form0.findChild<QRadioButton*>(QString("Option1_%1").arg(chosen)));
        click(form0.findChild<QPushButton*>("Command1"));
        EXPECT_EQ(asked, std::vector<LayoutSet>{chosen == 0 ? LayoutSet::A : LayoutSet::B});
        EXPECT_FALSE(form0.isVisible());
    }
}

TEST(ResolutionWindow, TheChosenResolutionTurnsRedAndTheOtherKeepsTheButtonTextColour)
{
    GameHarness run;
    run.game.start();
    QTest::qWait(150);
    EXPECT_EQ(captionColour(run.option(0)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(1)), buttonText());

    choose(run.option(1));
    QTest::qWait(150);
    EXPECT_EQ(captionColour(run.option(1)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(0)), buttonText());

    choose(run.option(0));
    QTest::qWait(150);
    EXPECT_EQ(captionColour(run.option(0)), QColor(255, 0, 0));
    EXPECT_EQ(captionColour(run.option(1)), buttonText());
}

TEST(ResolutionWindow, TheCloseBoxEndsTheProgramWithoutAMenu)
{
    GameHarness run;
    run.game.start();
    run.form0().close();
    EXPECT_EQ(run.endings, 1);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    EXPECT_EQ(run.game.menu(LayoutSet::B), nullptr);
}

} // namespace
} // namespace pintu::test
