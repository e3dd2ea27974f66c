#pragma once

#include "app/board/BoardWindow.h"
#include "app/board/TileView.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/BoardHarness.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/FakeMenu.h"
#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowControls.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pintu::test {

// The board windows as test parameters, named "4x4_640x480": every one, or
// those of the boards that log their shuffle.
inline std::vector<const BoardLayout*> everyBoardLayout()
{
    std::vector<const BoardLayout*> layouts;
    for (const BoardLayout& layout : boardLayouts())
        layouts.push_back(&layout);
    return layouts;
}

inline std::vector<const BoardLayout*> loggedBoardLayouts()
{
    std::vector<const BoardLayout*> layouts = everyBoardLayout();
    std::erase_if(layouts, [](const BoardLayout* layout) { return layout->size->kind != BoardKind::Logged; });
    return layouts;
}

inline std::string nameOfBoard(const ::testing::TestParamInfo<const BoardLayout*>& info)
{
    return boardName(*info.param);
}

} // namespace pintu::test

namespace pintu {

// A board parameter prints as its name, not its address.
inline void PrintTo(const BoardLayout* layout, std::ostream* out)
{
    *out << test::boardName(*layout);
}

} // namespace pintu

namespace pintu::test {

// As from the keyboard: to the widget that has the focus in `window`.
inline void press(QWidget* window, Qt::Key key)
{
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

// The application's focus widget, which takes the keys, lies in the active window.
// Wayland lets no program activate its own window: there the compositor gives the
// keyboard to the window it has just shown.
inline void activate(QWidget& window)
{
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
}

// Every tile of a started board on a position picture shows its own part of
// it, where the window shows it: a tile cut off by the window's edge aside.
inline void expectTilesShowTheirParts(BoardWindow& board, int tolerance = 14)
{
    const Arrangement& game = board.logic().arrangement();
    const QImage shot = board.grab().toImage();
    for (int cell = 0; cell < game.cells(); ++cell) {
        const QPoint centre = tileView(board, cell)->geometry().center();
        if (cell != game.blankCell() && shot.rect().contains(centre)) {
            EXPECT_TRUE(looksLike(shot.pixelColor(centre), cellCentreColour(game.tileAt(cell), game.side()), tolerance))
                << "cell " << cell << " tile " << game.tileAt(cell);
        }
    }
}

// A board window on a position picture, with real files in a folder of its
// own, a clock the test moves and a shuffle the test chooses.
struct BoardWindowHarness {
    explicit BoardWindowHarness(const BoardLayout& layout, std::vector<double> draws = {})
        : layout(layout),
          picture(positionPicture(400, 300)),
          services{files, clock, pictures.shelf,
                   DataFiles{folder.filePath("data/kel.txt").toStdString(), folder.filePath("data/grb.kel").toStdString()},
                   [draws] { return std::make_unique<ScriptedRandom>(draws.empty() ? std::vector<double>{0.3, 0.7, 0.9}
                                                                                   : draws); },
                   [] {},
                   std::chrono::milliseconds(0),
                   {}}
    {
        folder.writeBitmap("picture.bmp", picture);
    }

    ~BoardWindowHarness() { delete window.data(); }

    // A shuffle that leaves the blank in `cell` without passing the solved order again.
    static std::vector<double> endingAt(const BoardLayout& layout, int cell)
    {
        return ScriptedRandom::walk(*layout.size, walkTo(*layout.size, cell)).values;
    }

    BoardWindow& open()
    {
        window = new BoardWindow(layout, menu, services, folder.filePath("picture.bmp").toStdString());
        window->open();
        return *window;
    }

    BoardWindow& openActive()
    {
        BoardWindow& opened = open();
        activate(opened);
        return opened;
    }

    void press(Qt::Key key) const { test::press(window, key); }

    TileView* view(int k) const { return tileView(*window, k); }
    QPushButton* button(Control which) const { return control<QPushButton>(*window, which); }
    QLabel* label(Control which) const { return control<QLabel>(*window, which); }
    QLabel* numberMapLabel(int k) const { return test::numberMapLabel(*window, k); }
    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    void clickTile(int k) const { click(view(k)); }

    int emptyView() const
    {
        for (int k = 0; k < layout.size->cells; ++k) {
            if (view(k)->picture().isNull())
                return k;
        }
        return -1;
    }

    std::string moveLogBytes() const
    {
        QFile log(QString::fromStdString(services.dataFiles.moveLog));
        log.open(QIODevice::ReadOnly);
        return log.readAll().toStdString();
    }

    // The cells that play the whole logged shuffle backwards to the picture.
    std::vector<int> solvingClicks() const
    {
        return SmallBoardHarness::solvingClicks(moveLogBytes(), *layout.size, layout.size->shuffleSteps);
    }

    // Does every view show its own part of the picture?
    bool viewsShowWholePicture() const
    {
        const QImage shot = window->grab().toImage();
        for (int k = 0; k < layout.size->cells; ++k) {
            const QRect tile = view(k)->geometry();
            if (!shot.rect().contains(tile.center()))
                continue; // cut off by the window edge
            if (!looksLike(shot.pixelColor(tile.center()), cellCentreColour(k, layout.size->side)))
                return false;
        }
        return true;
    }

    const BoardLayout& layout;
    TestFolder folder;
    QImage picture;
    FakeMenu menu;
    QtFiles files;
    FakeClock clock;
    InProcessShelf pictures;
    GameServices services;
    QPointer<BoardWindow> window;
};

} // namespace pintu::test
