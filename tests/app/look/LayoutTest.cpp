// What must hold of every screen the layout tables draw up, on the windows
// built from them, in each state a player meets them in. The numbers
// themselves are pinned by the screenshots (scripts/screenshots).

#include "app/dialogs/HallOfFameWindow.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/ResolutionWindow.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/TestServices.h"
#include "tests/support/WindowControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace pintu::test {
namespace {

// Shows a window in one state; `state` names it for the failure messages.
using Visit = std::function<void(const std::string& state, const QWidget& window)>;

struct Screen {
    std::string name;
    std::optional<LayoutSet> set; // none: the one screen serves both sets
    // Shows the window in each state a player meets it in, with every control that state shows.
    std::function<void(const Visit&)> tour;
};

void tourBoard(const BoardLayout& layout, const Visit& visit)
{
    BoardWindowHarness board(layout);
    const BoardWindow& window = board.open();
    visit("preview", window);
    board.click(board.button(Control::Start));
    visit("started", window);
    if (!layout.numberMap)
        return;
    board.click(board.label(Control::Credit));
    visit("number map", window);
    board.click(board.button(Control::AutoSolve));
    board.click(board.button(Control::StepForward));
    visit("replay", window);
}

void tourMenu(LayoutSet set, const Visit& visit)
{
    TestServices game;
    game.folder.writeBytes("data/grb.kel", "\"阿明\"\r\n"); // for the hall of fame's button
    MenuWindow menu(set, game.services);
    menu.show();
    visit("title", menu);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(4, 4));
    visit("menu", menu);
}

const std::vector<Screen>& screens()
{
    static const std::vector<Screen> all = [] {
        std::vector<Screen> screens{{"Resolution", std::nullopt, [](const Visit& visit) {
                                         ResolutionWindow window([](LayoutSet) {}, [] {});
                                         window.show();
                                         visit("shown", window);
                                     }}};
        for (const LayoutSet set : {LayoutSet::A, LayoutSet::B})
            screens.push_back({"Menu", set, [set](const Visit& visit) { tourMenu(set, visit); }});
        for (const BoardLayout& layout : boardLayouts()) {
            screens.push_back({"Board_" + gridName(*layout.size), layout.set,
                               [&layout](const Visit& visit) { tourBoard(layout, visit); }});
        }
        screens.push_back({"HallOfFame", std::nullopt, [](const Visit& visit) {
                               TestServices game;
                               HallOfFameWindow window(game.files, game.services.dataFiles.hallOfFame, nullptr);
                               window.show();
                               visit("shown", window);
                           }});
        return screens;
    }();
    return all;
}

std::string nameOf(const Screen& screen)
{
    return screen.set ? screen.name + "_" + displayName(*screen.set) : screen.name;
}

// The controls a window shows, less the marks and gliding tiles that float
// over a board for a moment and take no clicks.
QWidgetList shownControls(const QWidget& window)
{
    QWidgetList controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* control) {
        return control->isHidden() || control->testAttribute(Qt::WA_TransparentForMouseEvents);
    });
    return controls;
}

std::string describe(const std::string& state, const QWidget* control)
{
    const QRect place = control->geometry();
    return state + ": " + control->objectName().toStdString() +
           QString(" at (%1, %2, %3 x %4)").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()).toStdString();
}

class EachScreen : public ::testing::TestWithParam<std::size_t> {
protected:
    const Screen& screen() const { return screens()[GetParam()]; }
};

INSTANTIATE_TEST_SUITE_P(Screens, EachScreen, ::testing::Range(std::size_t{0}, screens().size()),
                         [](const auto& info) { return nameOf(screens()[info.param]); });

// As the screens were drawn up, the lowest buttons, the number map's last row
// and some boards' last column of tiles run a few pixels past the window's
// edge; every control still shows at least half of itself.
TEST_P(EachScreen, ShowsEveryControlInsideTheWindow)
{
    screen().tour([](const std::string& state, const QWidget& window) {
        const auto area = [](const QRect& rect) { return rect.width() * rect.height(); };
        for (const QWidget* control : shownControls(window)) {
            const QRect place = control->geometry();
            EXPECT_GE(2 * area(place.intersected(window.rect())), area(place)) << describe(state, control);
        }
    });
}

TEST_P(EachScreen, HidesNoControlUnderAnother)
{
    screen().tour([](const std::string& state, const QWidget& window) {
        const QWidgetList controls = shownControls(window);
        for (auto first = controls.begin(); first != controls.end(); ++first) {
            for (auto second = first + 1; second != controls.end(); ++second) {
                const QRect shared = (*first)->geometry().intersected((*second)->geometry());
                EXPECT_TRUE(shared.isEmpty() || shared.width() == 1 || shared.height() == 1)
                    << describe(state, *first) << " and " << describe(state, *second);
            }
        }
    });
}

TEST_P(EachScreen, ShowsACaptionOnEveryLabelAndButton)
{
    screen().tour([](const std::string& state, const QWidget& window) {
        for (const QWidget* control : shownControls(window)) {
            const QVariant caption = control->property("text");
            EXPECT_FALSE(caption.isValid() && caption.toString().isEmpty()) << describe(state, control);
        }
    });
}

// All a window shows of its controls but where: kind, caption, font, text
// colour, whether it shows and what a screen reader hears. The window colour,
// like the geometry, is as each set was drawn up.
std::vector<std::string> looksOnTour(const Screen& screen)
{
    std::vector<std::string> looks;
    screen.tour([&looks](const std::string& state, const QWidget& window) {
        QString seen = QString::fromStdString(state) + " " + window.windowTitle();
        for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            seen += QString("\n%1 %2 \"%3\" %4 %5 %6 %7 %8")
                        .arg(control->objectName(), control->metaObject()->className(),
                             control->property("text").toString(), control->font().family())
                        .arg(control->font().pointSizeF())
                        .arg(control->isHidden() ? "hidden" : "shown",
                             control->palette().color(QPalette::WindowText).name(), control->accessibleName());
        }
        looks.push_back(seen.toStdString());
    });
    return looks;
}

TEST(TwinScreens, DifferOnlyInHowTheyAreDrawnUp)
{
    for (const Screen& screen : screens()) {
        if (screen.set != LayoutSet::A)
            continue;
        const auto twin = std::find_if(screens().begin(), screens().end(), [&](const Screen& other) {
            return other.name == screen.name && other.set == LayoutSet::B;
        });
        ASSERT_NE(twin, screens().end()) << screen.name;
        EXPECT_EQ(looksOnTour(screen), looksOnTour(*twin)) << screen.name;
    }
}

// The screens of no fixed place go where the system puts them.
TEST(PlacedScreens, ShowTheirClientAreaWhereTheTablesPutIt)
{
    ResolutionWindow resolution([](LayoutSet) {}, [] {});
    resolution.show();
    EXPECT_EQ(resolution.geometry(), pixels(resolutionLayout.placement));
    TestServices game;
    for (const LayoutSet set : {LayoutSet::A, LayoutSet::B}) {
        MenuWindow menu(set, game.services);
        menu.show();
        if (const auto& placement = menuLayout(set).placement) {
            EXPECT_EQ(menu.geometry(), pixels(*placement));
        }
    }
}

class EachBoard : public ::testing::TestWithParam<const BoardLayout*> {
protected:
    const BoardLayout& layout() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Boards, EachBoard, ::testing::ValuesIn(everyBoardLayout()), nameOfBoard);

// Neighbouring tiles share exactly one line of pixels, across and down, so
// that the picture shows without seams.
TEST_P(EachBoard, SharesOneLineOfPixelsBetweenNeighbouringTiles)
{
    BoardWindowHarness board(layout());
    board.open();
    const int N = layout().size->side;
    for (int k = 0; k < N * N; ++k) {
        const QRect tile = board.view(k)->geometry();
        if (k % N < N - 1) {
            EXPECT_EQ(tile.right(), board.view(k + 1)->geometry().left()) << "tiles " << k << " and " << k + 1;
        }
        if (k + N < N * N) {
            EXPECT_EQ(tile.bottom(), board.view(k + N)->geometry().top()) << "tiles " << k << " and " << k + N;
        }
    }
}

TEST_P(EachBoard, AnyPictureFillsEveryTileOnceStarted)
{
    for (const QSize size : {QSize(7, 5), QSize(3000, 2000)}) {
        SCOPED_TRACE(QString("%1 x %2 picture").arg(size.width()).arg(size.height()).toStdString());
        BoardWindowHarness board(layout());
        board.folder.writeBitmap("picture.bmp", positionPicture(size.width(), size.height()));
        BoardWindow& window = board.open();
        board.click(board.button(Control::Start));

        // Every pixel of a position picture is blue 96; the window behind never is.
        const QImage shot = window.grab().toImage();
        const auto pixelsBehind = [&shot](const QRect& view) {
            const QRect inside = view.intersected(shot.rect());
            int behind = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x)
                    behind += std::abs(shot.pixelColor(x, y).blue() - 96) > 3;
            }
            return behind;
        };
        const int blank = board.emptyView();
        ASSERT_GE(blank, 0);
        EXPECT_GT(pixelsBehind(board.view(blank)->geometry()), 0) << "the blank should show the window behind";
        for (int k = 0; k < layout().size->cells; ++k) {
            if (k != blank) {
                EXPECT_EQ(pixelsBehind(board.view(k)->geometry()), 0) << "pixels of tile " << k << " not covered";
            }
        }
    }
}

} // namespace
} // namespace pintu::test
