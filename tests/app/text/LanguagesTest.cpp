#include "app/board/UnkeptGameNote.h"
#include "app/dialogs/HallOfFameWindow.h"
#include "app/look/Fonts.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/ResolutionWindow.h"
#include "app/text/Translations.h"
#include "resume/KeptGameStore.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestServices.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace pintu::test {
namespace {

constexpr std::array allLanguages{Language::SimplifiedChinese, Language::TraditionalChinese, Language::English};

// The game speaks `language` while this lives, and its own words again after.
struct Speaking {
    explicit Speaking(Language language) { speak(language); }
    ~Speaking() { speak(Language::SimplifiedChinese); }

    static void speak(Language language)
    {
        installFonts(language);
        installTranslations(*QCoreApplication::instance(), language);
    }
};

// Every board, both menus, the resolution choice and the hall of fame, as
// their constructors leave them: every control there, shown or not.
using Screen = std::function<std::unique_ptr<QWidget>()>;
std::vector<Screen> everyScreen(TestServices& game, FakeMenu& menu)
{
    std::vector<Screen> screens;
    for (const BoardLayout& layout : boardLayouts()) {
        screens.emplace_back([&game, &menu, board = &layout] {
            return std::make_unique<BoardWindow>(*board, menu, game.services, "picture.bmp");
        });
    }
    for (const LayoutSet set : {LayoutSet::A, LayoutSet::B})
        screens.emplace_back([&game, set] { return std::make_unique<MenuWindow>(set, game.services); });
    screens.emplace_back([] { return std::make_unique<ResolutionWindow>([](LayoutSet) {}, [] {}); });
    screens.emplace_back([&game] {
        return std::make_unique<HallOfFameWindow>(game.files, game.services.dataFiles.hallOfFame, nullptr);
    });
    return screens;
}

// The marks and tiles that float over a board for a moment take no clicks and need no names.
QWidgetList controlsOf(const QWidget& window)
{
    QWidgetList controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](QWidget* child) { return child->testAttribute(Qt::WA_TransparentForMouseEvents); });
    return controls;
}

// The width a caption may take: inside a button's frame, beside a radio
// button's indicator; a label up to the window's edge or the nearest control
// to its right beside it, which a label sized to its caption would run into.
int captionRoom(const QWidget& control)
{
    QStyleOptionButton option;
    option.initFrom(&control);
    if (qobject_cast<const QRadioButton*>(&control))
        return control.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &control).width();
    if (qobject_cast<const QPushButton*>(&control))
        return control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &control).width();
    const QRect place = control.geometry();
    int limit = control.parentWidget()->width();
    for (const QWidget* other : controlsOf(*control.parentWidget())) {
        const QRect beside = other->geometry();
        if (beside.left() > place.left() && beside.top() <= place.bottom() && beside.bottom() >= place.top())
            limit = std::min(limit, beside.left());
    }
    return std::min(control.contentsRect().width(), limit - place.left());
}

// A note lies in the window over no control, the tiles aside: clicks go through it to them.
void expectBesideTheTiles(const QWidget& window, const char* name)
{
    const auto* note = window.findChild<QLabel*>(name);
    if (!note)
        return;
    SCOPED_TRACE(note->text().toStdString());
    EXPECT_TRUE(window.rect().contains(note->geometry()));
    for (const QWidget* control : controlsOf(window)) {
        if (!control->isHidden() && !qobject_cast<const TileView*>(control)) {
            EXPECT_FALSE(control->geometry().intersects(note->geometry())) << control->objectName().toStdString();
        }
    }
}

TEST(EveryScreenInEveryLanguage, FitsEachCaptionAndNamesEachControl)
{
    TestServices game;
    FakeMenu menu;
    std::map<std::pair<std::size_t, int>, std::pair<QString, QFont>> simplified; // by screen and control
    for (const Language language : allLanguages) {
        const Speaking speaking(language);
        const std::vector<Screen> screens = everyScreen(game, menu);
        for (std::size_t screen = 0; screen < screens.size(); ++screen) {
            const std::unique_ptr<QWidget> window = screens[screen]();
            int index = 0;
            for (QWidget* control : controlsOf(*window)) {
                SCOPED_TRACE(std::to_string(static_cast<int>(language)) + " " + window->metaObject()->className() +
                             " " + std::to_string(screen) + " " + control->objectName().toStdString());
                EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
                // Buttons and labels have a caption; only its width counts, as a
                // line is as high as its font in every language.
                const QString caption = control->property("text").toString();
                EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(caption), captionRoom(*control))
                    << caption.toStdString();
                // English in the desktop's own font where the caption is English,
                // at the size the Chinese has.
                std::pair<QString, QFont>& chinese = simplified[{screen, index++}];
                if (language == Language::SimplifiedChinese) {
                    chinese = {caption, control->font()};
                } else if (language == Language::English) {
                    EXPECT_EQ(control->font().pointSizeF(), chinese.second.pointSizeF());
                    if (caption != chinese.first) {
                        EXPECT_EQ(control->font().family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
                    }
                }
            }
            // The notes beside a board lie in the window, over no control:
            // the genius board's on H, and that of a game not kept, for each reason a player can mend.
            SCOPED_TRACE(std::to_string(static_cast<int>(language)) + " " + std::to_string(screen));
            if (auto* unkept = window->findChild<UnkeptGameNote*>()) {
                for (const std::errc reason : {std::errc::no_space_on_device, std::errc::read_only_file_system,
                                               std::errc::permission_denied}) {
                    unkept->forgotten();
                    unkept->written(std::make_error_code(reason));
                    expectBesideTheTiles(*window, "unkeptGameNote");
                }
            }
            expectBesideTheTiles(*window, "noHintNote");
        }
    }
}

QByteArray bytesOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FilesInEveryLanguage, AreTheSameBytes)
{
    // The same boards, shuffles, clock and folder in every language: the kept
    // game names its picture by its path.
    const BoardLayout& small = boardOf(Difficulty::Easy, LayoutSet::A);
    BoardWindowHarness board(small, BoardWindowHarness::endingAt(small, 4));
    const std::string kept = board.folder.filePath("data/kept-game.txt").toStdString();
    KeptGameStore store(board.files, kept);
    board.services.keptGames = &store;
    BoardWindowHarness genius(boardOf(Difficulty::Genius, LayoutSet::A),
                              ScriptedRandom::geniusTwoMovesFromSolved().values);

    std::map<Language, QByteArrayList> written;
    for (const Language language : allLanguages) {
        const Speaking speaking(language);
        board.open();
        board.click(board.button(Control::Start));
        written[language] << bytesOf(board.services.dataFiles.moveLog);
        board.clickTile(5);
        store.settle();
        written[language] << bytesOf(kept);
        board.click(board.button(Control::Exit));

        genius.open();
        genius.click(genius.button(Control::Start));
        ModalScript boxes;
        boxes.thenType("阿明");
        genius.clickTile(89);
        genius.clickTile(99);
        written[language] << bytesOf(genius.services.dataFiles.hallOfFame);
        QFile::remove(QString::fromStdString(genius.services.dataFiles.hallOfFame));
        genius.click(genius.button(Control::Exit));
    }
    EXPECT_FALSE(written[Language::SimplifiedChinese].contains(QByteArray()));
    for (const Language language : allLanguages)
        EXPECT_TRUE(written[language] == written[Language::SimplifiedChinese]) << static_cast<int>(language);
}

} // namespace
} // namespace pintu::test
