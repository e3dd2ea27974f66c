// Every screen of both layout sets, control by control, against the numbers
// the screens were drawn up with. The numbers are written out here again, in
// twips, so that a slip in the layout tables shows up as a difference.

#include "app/dialogs/HallOfFameWindow.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/ResolutionWindow.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QApplication>

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace pintu::test {
namespace {

constexpr int px(int twips)
{
    return twips / 15;
}

QColor fromBgrValue(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

struct Font {
    const char* family;
    double points;
};

const Font song9{"宋体", 9}; // the application's default font
const Font song105{"宋体", 10.5};
const Font song12{"宋体", 12};
const Font song1425{"宋体", 14.25};
const Font song1575{"宋体", 15.75};
const Font kai12{"楷体_GB2312", 12};
const Font kai1575{"楷体_GB2312", 15.75};
const Font kai72{"楷体_GB2312", 72};

constexpr unsigned red = 0x000000FF;
constexpr unsigned magenta = 0x00FF00FF;
constexpr unsigned darkRed = 0x00000080;
constexpr unsigned silver = 0x00C0C0C0;
constexpr unsigned grey = 0x00808080;

using Rect = std::array<int, 4>; // left, top, width, height in twips

struct ExpectedControl {
    QString name;
    Rect rect;
    bool sizesToText = false; // only the top-left corner is fixed
    std::optional<QString> caption;
    std::optional<Font> font;
    bool visible = true;
    std::optional<unsigned> textColour;
};

// A control that keeps its rectangle.
ExpectedControl boxed(const QString& name, Rect rect, std::optional<QString> caption, std::optional<Font> font,
              bool visible = true)
{
    return {name, rect, false, std::move(caption), font, visible, std::nullopt};
}

// A label that sizes itself to its caption from its top-left corner.
ExpectedControl label(const QString& name, Rect rect, std::optional<QString> caption, Font font, bool visible = true,
              std::optional<unsigned> colour = std::nullopt)
{
    return {name, rect, true, std::move(caption), font, visible, colour};
}

// Lefts (or tops) and lengths of the tiles along one side of a board.
struct Axis {
    std::vector<int> starts;
    std::vector<int> lengths;
};

Axis evenAxis(int N, int first, int step, int length)
{
    Axis axis;
    for (int i = 0; i < N; ++i) {
        axis.starts.push_back(first + step * i);
        axis.lengths.push_back(length);
    }
    return axis;
}

enum class Kind { Resolution, Menu, Board, HallOfFame };

struct Screen {
    std::string name;
    Kind kind = Kind::Board;
    LayoutSet set = LayoutSet::A;
    Difficulty difficulty = Difficulty::Easy;
    std::array<int, 2> client{};                 // twips
    std::optional<std::array<int, 2>> placement; // the client area's corner on the screen, twips
    QString caption;
    std::optional<unsigned> windowColour;        // none: the system's
    std::vector<ExpectedControl> controls;
    std::vector<QString> absent;                 // controls this screen must not have
    int N = 0;                                   // tiles: N x N
    Axis columns;
    Axis rows;
};

Screen screenOf(Kind kind, LayoutSet set = LayoutSet::A, Difficulty difficulty = Difficulty::Easy)
{
    Screen screen;
    screen.kind = kind;
    screen.set = set;
    screen.difficulty = difficulty;
    return screen;
}

struct NumberMap {
    int left;
    int top;
    Font font;
};

struct BoardRow {
    LayoutSet set;
    Difficulty difficulty;
    int N;
    Axis columns;
    Axis rows;
    std::optional<unsigned> colour;
    Rect start;
    Rect exit;
    std::optional<Rect> autoSolve; // "重新开始" shares it
    std::optional<Rect> stepBack;
    std::optional<Rect> stepForward;
    Rect stepsCaption;
    Rect steps;
    Rect clockCaption;
    Rect clock;
    Rect credit;
    std::optional<NumberMap> numberMap;
};

Screen boardScreen(const BoardRow& row)
{
    Screen screen = screenOf(Kind::Board, row.set, row.difficulty);
    screen.name = "Board_" + std::to_string(row.N) + "x" + std::to_string(row.N) + "_" + displayName(row.set);
    screen.client = row.set == LayoutSet::A ? std::array{9480, 6795} : std::array{11880, 8595};
    screen.caption = "拼图";
    screen.windowColour = row.colour;
    screen.N = row.N;
    screen.columns = row.columns;
    screen.rows = row.rows;
    auto& controls = screen.controls;
    controls.push_back(boxed(controlName(Control::Start), row.start, "开始", song9));
    controls.push_back(boxed(controlName(Control::Exit), row.exit, "退出", song9));
    if (row.autoSolve) {
        controls.push_back(boxed(controlName(Control::AutoSolve), *row.autoSolve, "自动拼图", song9));
        controls.push_back(boxed(controlName(Control::Restart), *row.autoSolve, "重新开始", song9));
        controls.push_back(boxed(controlName(Control::StepBack), *row.stepBack, "上", song9, false));
        controls.push_back(boxed(controlName(Control::StepForward), *row.stepForward, "下", song9, false));
    } else {
        for (const Control replay : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward})
            screen.absent.push_back(controlName(replay));
    }
    controls.push_back(boxed(controlName(Control::StepsCaption), row.stepsCaption, "步数", song9));
    controls.push_back(boxed(controlName(Control::Steps), row.steps, "0", song9));
    controls.push_back(label(controlName(Control::ClockCaption), row.clockCaption, "计时(秒)", song9));
    controls.push_back(label(controlName(Control::Clock), row.clock, "", song9));
    controls.push_back(label(controlName(Control::Credit), row.credit, "Tavro", kai1575, true, red));
    if (const auto& map = row.numberMap) {
        for (int k = 0; k < row.N * row.N; ++k) {
            const Rect corner{map->left + 240 * (k % row.N), map->top + 240 * (k / row.N), 0, 0};
            controls.push_back(label(QString(numberMapLabelName).arg(k), corner, "L", map->font, false));
        }
        screen.absent.push_back(QString(numberMapLabelName).arg(row.N * row.N));
    } else {
        screen.absent.push_back(QString(numberMapLabelName).arg(0));
    }
    for (int k = 0; k < row.N * row.N; ++k) {
        const int c = k % row.N;
        const int r = k / row.N;
        const Rect rect{row.columns.starts[c], row.rows.starts[r], row.columns.lengths[c], row.rows.lengths[r]};
        controls.push_back(boxed(QString(tileViewName).arg(k), rect, std::nullopt, std::nullopt));
    }
    screen.absent.push_back(QString(tileViewName).arg(row.N * row.N));
    return screen;
}

Screen menuScreen(LayoutSet set)
{
    const bool a = set == LayoutSet::A;
    Screen screen = screenOf(Kind::Menu, set);
    screen.name = "Menu_" + displayName(set);
    screen.client = a ? std::array{9480, 6795} : std::array{11880, 8595};
    if (a)
        screen.placement = std::array{1170, 1725};
    screen.caption = "开始";
    const auto pick = [a](Rect setA, Rect setB) { return a ? setA : setB; };
    using Names = MenuControlNames;
    const auto option = [](Difficulty difficulty) { return difficultyOptionName(difficulty); };
    screen.controls = {
        label(Names::pinTitle, pick({2160, 1680, 1440, 1455}, {3240, 2280, 1440, 1455}), "拼", kai72, true, red),
        label(Names::tuTitle, pick({5760, 1680, 1440, 1455}, {7200, 2280, 1440, 1455}), "图", kai72, true, magenta),
        label(Names::pictureCaption, {600, 240, 1425, 285}, "选择图片：", song1425, false),
        boxed(Names::drives, {600, 600, 2775, 300}, std::nullopt, song9, false),
        boxed(Names::folders, pick({600, 1920, 2775, 3240}, {600, 1920, 2775, 4920}), std::nullopt, song9, false),
        boxed(Names::pictures, pick({4080, 600, 3135, 4590}, {4920, 600, 3855, 6210}), std::nullopt, song9, false),
        label(Names::difficultyCaption, pick({7560, 600, 1575, 315}, {9360, 600, 1575, 315}), "难度选择：", song1575,
              false),
        boxed(option(Difficulty::Easy), pick({7800, 1560, 975, 285}, {9480, 1560, 975, 285}), "简单", song1425, false),
        boxed(option(Difficulty::Normal), pick({7800, 2520, 975, 285}, {9480, 2640, 975, 285}), "普通", song1425,
              false),
        boxed(option(Difficulty::Harder), pick({7800, 3480, 975, 285}, {9480, 3720, 975, 285}), "较难", song1425,
              false),
        boxed(option(Difficulty::Genius), pick({7800, 4440, 975, 285}, {9480, 4800, 975, 285}), "天才", song1425,
              false),
        boxed(Names::ok, pick({3360, 5400, 1215, 735}, {3360, 7200, 1215, 735}), "确定", song9, false),
        boxed(Names::exit, pick({600, 5400, 1215, 735}, {600, 7200, 1215, 735}), "退出", song9, false),
        boxed(Names::hallOfFame, pick({7800, 4920, 975, 495}, {9480, 6000, 975, 495}), "光荣榜", song12, false),
        // The edition and credit texts are the game's own; their places and looks are fixed.
        label(Names::edition, pick({720, 6480, 2040, 240}, {600, 8160, 1080, 240}), std::nullopt, kai12),
        label(Names::credit, pick({5040, 5760, 3645, 315}, {7440, 7320, 3645, 315}), std::nullopt, song1575, true,
              red),
        label(Names::thanks, pick({6000, 6360, 2655, 285}, {8400, 7920, 2655, 285}), std::nullopt, song1425, true,
              darkRed),
    };
    return screen;
}

std::vector<Screen> allScreens()
{
    std::vector<Screen> screens;

    Screen resolution = screenOf(Kind::Resolution);
    resolution.name = "Resolution";
    resolution.client = {2220, 1485};
    resolution.placement = std::array{4995, 3810};
    resolution.caption = "分辨率选择";
    resolution.controls = {
        boxed(QString(ResolutionControlNames::choice).arg(0), {600, 120, 1095, 255}, "640*480", song9),
        boxed(QString(ResolutionControlNames::choice).arg(1), {600, 600, 1095, 255}, "800*600", song9),
        boxed(ResolutionControlNames::start, {480, 1080, 1215, 375}, "开始", song9),
    };
    screens.push_back(resolution);

    screens.push_back(menuScreen(LayoutSet::A));
    screens.push_back(menuScreen(LayoutSet::B));

    const std::vector<BoardRow> boards{
        {LayoutSet::A, Difficulty::Easy, 3, evenAxis(3, 120, 3120, 3135), evenAxis(3, 0, 2040, 2055), std::nullopt,
         {240, 6240, 735, 495}, {2040, 6240, 735, 495}, Rect{5880, 6240, 975, 495}, Rect{8760, 6120, 375, 375},
         Rect{8760, 6480, 375, 375}, {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180},
         {5160, 6360, 90, 180}, {6960, 6240, 990, 315}, NumberMap{8280, 6120, song105}},
        {LayoutSet::A, Difficulty::Normal, 4, evenAxis(4, 120, 2280, 2295), evenAxis(4, 0, 1440, 1455), silver,
         {240, 6120, 735, 495}, {2040, 6120, 735, 495}, Rect{5880, 6120, 975, 495}, Rect{8760, 5760, 375, 495},
         Rect{8760, 6240, 375, 495}, {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180},
         {5160, 6360, 90, 180}, {6960, 6240, 990, 315}, NumberMap{8040, 5880, song105}},
        {LayoutSet::A, Difficulty::Harder, 5, evenAxis(5, 0, 1920, 1935), evenAxis(5, 0, 1080, 1095), grey,
         {240, 5880, 735, 615}, {2040, 5880, 735, 615}, Rect{5880, 5880, 975, 615}, Rect{8880, 5520, 375, 615},
         Rect{8880, 6120, 375, 615}, {3120, 6120, 375, 255}, {3600, 6120, 615, 255}, {4320, 6120, 720, 180},
         {5160, 6120, 90, 180}, {6960, 6000, 990, 315}, NumberMap{8040, 5640, song9}},
        {LayoutSet::A, Difficulty::Genius, 10, evenAxis(10, 0, 960, 975), evenAxis(10, 0, 600, 615), grey,
         {120, 6240, 735, 495}, {2040, 6240, 735, 495}, std::nullopt, std::nullopt, std::nullopt,
         {3120, 6360, 375, 255}, {3600, 6360, 615, 255}, {4320, 6360, 720, 180}, {5160, 6360, 90, 180},
         {6840, 6240, 990, 315}, std::nullopt},
        {LayoutSet::B, Difficulty::Easy, 3, evenAxis(3, 0, 3960, 3975), evenAxis(3, 0, 2520, 2535), std::nullopt,
         {240, 7920, 735, 495}, {2280, 7920, 735, 495}, Rect{7440, 7920, 975, 495}, Rect{11040, 7800, 375, 375},
         Rect{11040, 8160, 375, 375}, {3600, 8040, 375, 255}, {4080, 8040, 615, 255}, {5160, 8040, 720, 180},
         {6000, 8040, 90, 180}, {8640, 8040, 990, 315}, NumberMap{10680, 7800, song105}},
        // The one board with uneven columns: the first is 120 twips wider.
        {LayoutSet::B, Difficulty::Normal, 4, Axis{{0, 3000, 5880, 8760}, {3015, 2895, 2895, 2895}},
         evenAxis(4, 0, 1920, 1935), std::nullopt, {240, 7920, 735, 495}, {2280, 7920, 735, 495},
         Rect{7200, 7920, 975, 495}, Rect{11160, 7680, 375, 495}, Rect{11160, 8160, 375, 495},
         {3600, 8040, 375, 255}, {4080, 8040, 615, 255}, {5160, 8040, 720, 180}, {6000, 8040, 90, 180},
         {8400, 8040, 990, 315}, NumberMap{10560, 7680, song105}},
        {LayoutSet::B, Difficulty::Harder, 5, evenAxis(5, 240, 2280, 2295), evenAxis(5, 120, 1440, 1455), grey,
         {480, 7680, 735, 615}, {2280, 7680, 735, 615}, Rect{7200, 7680, 975, 615}, Rect{11040, 7440, 375, 615},
         Rect{11040, 8040, 375, 615}, {3360, 7920, 375, 255}, {3840, 7920, 615, 255}, {4920, 7920, 720, 180},
         {5640, 7920, 90, 180}, {8400, 7800, 990, 315}, NumberMap{10320, 7440, song9}},
        {LayoutSet::B, Difficulty::Genius, 10, evenAxis(10, 0, 1200, 1215), evenAxis(10, 240, 720, 735), grey,
         {480, 7800, 735, 495}, {2760, 7800, 735, 495}, std::nullopt, std::nullopt, std::nullopt,
         {4080, 7920, 375, 255}, {4560, 7920, 615, 255}, {6600, 7920, 720, 180}, {7440, 7920, 90, 180},
         {9360, 7920, 990, 315}, std::nullopt},
    };
    for (const BoardRow& row : boards)
        screens.push_back(boardScreen(row));

    Screen hallOfFame = screenOf(Kind::HallOfFame);
    hallOfFame.name = "HallOfFame";
    hallOfFame.client = {7050, 4755};
    hallOfFame.caption = "光荣榜";
    hallOfFame.controls = {
        boxed(HallOfFameControlNames::records, {120, 0, 6855, 3855}, std::nullopt, song12),
        boxed(HallOfFameControlNames::exit, {2880, 4080, 1215, 495}, "退出", song9),
    };
    screens.push_back(hallOfFame);
    return screens;
}

const std::vector<Screen>& screens()
{
    static const std::vector<Screen> all = allScreens();
    return all;
}

// Readable forms for the failure messages.
std::string text(const QRect& rect)
{
    return QString("(%1, %2, %3 x %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()).toStdString();
}

std::string text(const QPoint& point)
{
    return QString("(%1, %2)").arg(point.x()).arg(point.y()).toStdString();
}

std::string text(const QSize& size)
{
    return QString("%1 x %2").arg(size.width()).arg(size.height()).toStdString();
}

std::string text(const QColor& colour)
{
    return colour.name().toStdString();
}

std::string captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().toStdString();
    return "(no caption)";
}

void expectControl(const QWidget& window, const ExpectedControl& expected)
{
    SCOPED_TRACE(expected.name.toStdString());
    const QWidget* widget = named(window, expected.name);
    ASSERT_NE(widget, nullptr) << "missing";
    const auto [left, top, width, height] = expected.rect;
    if (expected.sizesToText) {
        EXPECT_EQ(text(widget->pos()), text(QPoint(px(left), px(top))));
    } else {
        EXPECT_EQ(text(widget->geometry()), text(QRect(px(left), px(top), px(width), px(height))));
    }
    if (expected.caption) {
        EXPECT_EQ(captionOf(widget), expected.caption->toStdString());
    }
    if (expected.font) {
        EXPECT_EQ(widget->font().family().toStdString(), expected.font->family);
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.font->points);
    }
    EXPECT_EQ(!widget->isHidden(), expected.visible);
    if (expected.textColour) {
        EXPECT_EQ(text(widget->palette().color(QPalette::WindowText)), text(fromBgrValue(*expected.textColour)));
    }
}

class EachScreen : public ::testing::TestWithParam<std::size_t> {
protected:
    const Screen& screen() const { return screens()[GetParam()]; }

    // The window as its constructor leaves it: a board before its load handler runs.
    QWidget& build()
    {
        const Screen& s = screen();
        switch (s.kind) {
        case Kind::Resolution:
            window = std::make_unique<ResolutionWindow>([](LayoutSet) {}, [] {});
            break;
        case Kind::Menu:
            window = std::make_unique<MenuWindow>(s.set, services);
            break;
        case Kind::HallOfFame:
            window = std::make_unique<HallOfFameWindow>(files, services.dataFiles.hallOfFame, nullptr);
            break;
        case Kind::Board:
            board = std::make_unique<BoardWindowHarness>(boardOf(s.difficulty, s.set));
            EXPECT_EQ(board->layout.set, s.set);
            EXPECT_EQ(board->layout.size->side, s.N);
            board->window = new BoardWindow(board->layout, board->menu, board->services,
                                            board->folder.filePath("picture.bmp").toStdString());
            return *board->window;
        }
        return *window;
    }

    TestFolder folder;
    QtFiles files;
    FakeClock clock;
    GameServices services{files, clock,
                          DataFiles{folder.filePath("kel.txt").toStdString(), folder.filePath("grb.kel").toStdString()},
                          [] { return std::make_unique<ScriptedRandom>(std::vector<double>{0.5}); }, [] {},
                          std::chrono::milliseconds(0),
                          {}};
    std::unique_ptr<BoardWindowHarness> board;
    std::unique_ptr<QWidget> window;
};

INSTANTIATE_TEST_SUITE_P(Screens, EachScreen, ::testing::Range(std::size_t{0}, screens().size()),
                         [](const auto& info) { return screens()[info.param].name; });

TEST_P(EachScreen, IsBuiltAsDrawnUp)
{
    const Screen& expected = screen();
    QWidget& built = build();
    built.show();

    EXPECT_EQ(built.windowTitle().toStdString(), expected.caption.toStdString());
    EXPECT_EQ(text(built.size()), text(QSize(px(expected.client[0]), px(expected.client[1]))));
    if (const auto& corner = expected.placement) { // of a top-level window, the client area
        EXPECT_EQ(text(built.geometry().topLeft()), text(QPoint(px((*corner)[0]), px((*corner)[1]))));
    }
    const QColor windowColour = expected.windowColour ? fromBgrValue(*expected.windowColour)
                                                      : QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(text(built.palette().color(QPalette::Window)), text(windowColour));

    for (const ExpectedControl& control : expected.controls)
        expectControl(built, control);
    for (const QString& name : expected.absent)
        EXPECT_EQ(built.findChild<QWidget*>(name), nullptr) << name.toStdString();

    // Neighbouring tiles share exactly one pixel, across and down.
    const int N = expected.N;
    std::vector<QRect> tile;
    for (int k = 0; k < N * N; ++k) {
        const QWidget* view = tileView(built, k);
        ASSERT_NE(view, nullptr) << "tile " << k;
        tile.push_back(view->geometry());
    }
    for (int k = 0; k < N * N; ++k) {
        if (k % N < N - 1) {
            EXPECT_EQ(tile[k].right(), tile[k + 1].left()) << "tiles " << k << " and " << k + 1;
        }
        if (k + N < N * N) {
            EXPECT_EQ(tile[k].bottom(), tile[k + N].top()) << "tiles " << k << " and " << k + N;
        }
    }
}

class EachBoard : public ::testing::TestWithParam<const BoardLayout*> {
protected:
    const BoardLayout& layout() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Boards, EachBoard, ::testing::ValuesIn(everyBoardLayout()), nameOfBoard);

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
