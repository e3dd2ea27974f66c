// Every screen in every language the game speaks: each caption fits the room
// its control gives it, at the control's own font, and every control has a
// name that a screen reader can say. What the game writes to its files is the
// same in every language.

#include "BoardWindowHarness.h"
#include "HallOfFameWindow.h"
#include "KeptGameStore.h"
#include "MenuWindow.h"
#include "ModalScript.h"
#include "ResolutionWindow.h"
#include "Speaking.h"
#include "TestServices.h"

#include <QAccessible>
#include <QFile>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

namespace pintu::test {
namespace {

enum class Kind { Resolution, Menu, Board, HallOfFame };

struct Screen {
    std::string name;
    Kind kind;
    LayoutSet set = LayoutSet::A;
    const BoardLayout* board = nullptr;
};

std::vector<Screen> everyScreen()
{
    std::vector<Screen> screens{{"Resolution", Kind::Resolution}, {"HallOfFame", Kind::HallOfFame}};
    for (const LayoutSet set : {LayoutSet::A, LayoutSet::B})
        screens.push_back({"Menu_" + displayName(set), Kind::Menu, set});
    for (const BoardLayout* layout : everyBoardLayout())
        screens.push_back({"Board_" + boardName(*layout), Kind::Board, layout->set, layout});
    return screens;
}

// The controls of a window; the marks and tiles that float over a board for a
// moment take no clicks and need no names.
std::vector<QWidget*> controlsOf(const QWidget& window)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_TransparentForMouseEvents))
            controls.push_back(child);
    }
    return controls;
}

// Where a label may reach: the window's edge, or the nearest control to its
// right beside it, which a label that sizes itself to its caption would run into.
int rightLimit(const QWidget& label)
{
    const QWidget& window = *label.parentWidget();
    int limit = window.width();
    for (const QWidget* other : controlsOf(window)) {
        const QRect place = other->geometry();
        if (other != &label && place.left() > label.x() && place.top() <= label.geometry().bottom() &&
            place.bottom() >= label.y())
            limit = std::min(limit, place.left());
    }
    return limit;
}

struct Caption {
    QString text;
    QRect room; // in the window
};

// A button's caption goes inside its frame, a radio button's beside its indicator.
std::optional<Caption> captionOf(const QWidget& control)
{
    QStyleOptionButton option;
    option.initFrom(&control);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
        const QRect room = control.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &control);
        return Caption{radio->text(), room.translated(control.pos())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QRect room = control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &control);
        return Caption{button->text(), room.translated(control.pos())};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        QRect room = label->contentsRect().translated(control.pos());
        room.setRight(std::min(room.right(), rightLimit(control) - 1));
        return Caption{label->text(), room};
    }
    return std::nullopt;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

class EachScreenInEachLanguage : public ::testing::TestWithParam<std::tuple<Screen, Language>> {
protected:
    // The window as its constructor leaves it, every control there, shown or not.
    QWidget& build()
    {
        const Screen& screen = std::get<Screen>(GetParam());
        switch (screen.kind) {
        case Kind::Resolution:
            window = std::make_unique<ResolutionWindow>([](LayoutSet) {}, [] {});
            break;
        case Kind::Menu:
            window = std::make_unique<MenuWindow>(screen.set, game.services);
            break;
        case Kind::HallOfFame:
            window = std::make_unique<HallOfFameWindow>(game.files, game.services.dataFiles.hallOfFame, nullptr);
            break;
        case Kind::Board:
            board = std::make_unique<BoardWindowHarness>(*screen.board);
            board->window = new BoardWindow(board->layout, board->menu, board->services,
                                            board->folder.filePath("picture.bmp").toStdString());
            return *board->window;
        }
        return *window;
    }

    Speaking speaking{std::get<Language>(GetParam())};
    TestServices game;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<BoardWindowHarness> board;
};

INSTANTIATE_TEST_SUITE_P(Screens, EachScreenInEachLanguage,
                         ::testing::Combine(::testing::ValuesIn(everyScreen()), ::testing::ValuesIn(allLanguages)),
                         [](const auto& info) {
                             return std::get<Screen>(info.param).name + "_" +
                                    languageName(std::get<Language>(info.param));
                         });

TEST_P(EachScreenInEachLanguage, CaptionsFitTheirControls)
{
    for (QWidget* control : controlsOf(build())) {
        const auto caption = captionOf(*control);
        if (!caption)
            continue;
        // Only the width: a line is as high as its font in every language.
        EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(caption->text), caption->room.width())
            << control->objectName().toStdString() << " \"" << caption->text.toStdString() << "\"";
    }
}

TEST_P(EachScreenInEachLanguage, EveryControlHasAName)
{
    for (QWidget* control : controlsOf(build()))
        EXPECT_FALSE(accessibleName(control).isEmpty()) << control->objectName().toStdString();
}

struct WrittenFiles {
    QByteArray moveLog;
    QByteArray keptGame;
    QByteArray hallOfFame;
    bool operator==(const WrittenFiles&) const = default;
};

QByteArray bytesOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FilesInEveryLanguage, AreTheSameBytes)
{
    // The same boards, shuffles and clock for every language: the kept game
    // names its picture by its path.
    const BoardLayout& small = boardOf(Difficulty::Easy, LayoutSet::A);
    BoardWindowHarness smallBoard(small, BoardWindowHarness::endingAt(small, 4));
    const std::string keptPath = smallBoard.folder.filePath("data/kept-game.txt").toStdString();
    KeptGameStore store(smallBoard.files, keptPath);
    smallBoard.services.keptGames = &store;
    BoardWindowHarness genius(boardOf(Difficulty::Genius, LayoutSet::A),
                              ScriptedRandom::geniusTwoMovesFromSolved().values);

    std::map<Language, WrittenFiles> written;
    for (const Language language : allLanguages) {
        const Speaking speaking(language);
        WrittenFiles& files = written[language];
        smallBoard.open();
        smallBoard.click(smallBoard.button(Control::Start));
        files.moveLog = bytesOf(smallBoard.services.dataFiles.moveLog);
        smallBoard.clock.advance(std::chrono::milliseconds(2500));
        smallBoard.clickTile(5);
        store.settle();
        files.keptGame = bytesOf(keptPath);
        smallBoard.click(smallBoard.button(Control::Exit));

        genius.open();
        genius.click(genius.button(Control::Start));
        genius.clock.advance(std::chrono::milliseconds(12000));
        ModalScript boxes;
        boxes.thenType("阿明");
        genius.clickTile(89);
        genius.clickTile(99);
        files.hallOfFame = bytesOf(genius.services.dataFiles.hallOfFame);
        QFile::remove(QString::fromStdString(genius.services.dataFiles.hallOfFame));
        genius.click(genius.button(Control::Exit));
    }
    const WrittenFiles& own = written[Language::SimplifiedChinese];
    EXPECT_FALSE(own.moveLog.isEmpty() || own.keptGame.isEmpty() || own.hallOfFame.isEmpty());
    for (const Language language : allLanguages)
        EXPECT_TRUE(written[language] == own) << languageName(language);
}

} // namespace
} // namespace pintu::test
