// Renders every screen of both layout sets, in the states a player meets, to
// PNG files in the folder given on the command line (docs/screenshots when
// none is given), at the device pixel ratio of the screen (QT_SCALE_FACTOR),
// in the game's own words or in the language named after the folder ("en",
// "zh-TW").
// The picture is drawn here, the clock stands still and the shuffles are
// seeded from it, so the same build renders the same files.

#include "app/board/BoardWindow.h"
#include "app/board/TileView.h"
#include "app/dialogs/HallOfFameWindow.h"
#include "app/dialogs/RecordsWindow.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/ResolutionWindow.h"
#include "app/session/ApplicationSetup.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"
#include "platform/qt/pictures/PictureShelf.h"
#include "platform/qt/pictures/SandboxedPictures.h"
#include "platform/SeededRandom.h"
#include "records/RecordBook.h"
#include "solver/Solver.h"
#include "tests/fakes/FakeClock.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

using namespace pintu;
using namespace pintu::test;
using std::chrono::milliseconds;

constexpr const char* chosenPicture = "风景.bmp";

// A lake under mountains at sunset, with a balloon and a sailing boat: enough
// shapes that every tile of a 10 x 10 board is told apart.
QImage landscape(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width;
    const double h = height;
    const double horizon = h * 0.58;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(28, 48, 112));
    sky.setColorAt(0.55, QColor(196, 96, 140));
    sky.setColorAt(1, QColor(252, 186, 104));
    painter.fillRect(QRectF(0, 0, w, horizon + 1), sky);

    QRadialGradient sun(w * 0.7, horizon * 0.62, h * 0.13);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.6, QColor(255, 214, 90));
    sun.setColorAt(1, QColor(255, 160, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(w * 0.7, horizon * 0.62), h * 0.13, h * 0.13);

    painter.setBrush(QColor(255, 255, 255, 150));
    for (const auto& [x, y, r] : {std::tuple{0.12, 0.14, 0.05}, {0.18, 0.12, 0.06}, {0.24, 0.15, 0.045},
                                  {0.42, 0.26, 0.035}, {0.47, 0.24, 0.045}, {0.52, 0.27, 0.03}}) {
        painter.drawEllipse(QPointF(w * x, h * y), w * r * 1.6, h * r);
    }

    const auto ridge = [&](std::initializer_list<QPointF> peaks, const QColor& top, const QColor& foot) {
        QPainterPath path(QPointF(0, horizon));
        for (const QPointF& peak : peaks)
            path.lineTo(w * peak.x(), h * peak.y());
        path.lineTo(w, horizon);
        path.closeSubpath();
        QLinearGradient shade(0, h * 0.25, 0, horizon);
        shade.setColorAt(0, top);
        shade.setColorAt(1, foot);
        painter.setBrush(shade);
        painter.drawPath(path);
    };
    ridge({{0, 0.42}, {0.14, 0.3}, {0.3, 0.44}, {0.46, 0.27}, {0.62, 0.45}, {0.8, 0.33}, {1, 0.46}},
          QColor(120, 84, 150), QColor(80, 60, 120));
    ridge({{0, 0.5}, {0.2, 0.4}, {0.36, 0.52}, {0.56, 0.42}, {0.74, 0.53}, {0.9, 0.45}, {1, 0.5}},
          QColor(70, 110, 110), QColor(40, 80, 90));

    QLinearGradient water(0, horizon, 0, h);
    water.setColorAt(0, QColor(250, 170, 110));
    water.setColorAt(0.25, QColor(90, 120, 170));
    water.setColorAt(1, QColor(20, 40, 90));
    painter.fillRect(QRectF(0, horizon, w, h - horizon), water);
    painter.setBrush(QColor(255, 236, 170, 120));
    for (int i = 0; i < 7; ++i) {
        const double y = horizon + h * (0.03 + 0.035 * i);
        const double half = w * (0.09 - 0.009 * i);
        painter.drawRoundedRect(QRectF(w * 0.7 - half, y, 2 * half, h * 0.008), 3, 3);
    }

    // The near shore with a few pines.
    QPainterPath shore(QPointF(0, h));
    shore.lineTo(0, h * 0.8);
    shore.cubicTo(w * 0.15, h * 0.76, w * 0.3, h * 0.86, w * 0.42, h * 0.9);
    shore.cubicTo(w * 0.5, h * 0.94, w * 0.55, h, w * 0.6, h);
    shore.closeSubpath();
    QLinearGradient grass(0, h * 0.76, 0, h);
    grass.setColorAt(0, QColor(96, 150, 70));
    grass.setColorAt(1, QColor(36, 80, 40));
    painter.setBrush(grass);
    painter.drawPath(shore);
    for (const auto& [x, y, size] : {std::tuple{0.05, 0.8, 0.09}, {0.11, 0.79, 0.12}, {0.19, 0.81, 0.08},
                                     {0.27, 0.85, 0.07}}) {
        painter.setBrush(QColor(90, 60, 40));
        painter.drawRect(QRectF(w * x - w * 0.006, h * y - h * size * 0.2, w * 0.012, h * size * 0.25));
        painter.setBrush(QColor(24, 70, 44));
        painter.drawPolygon(QPolygonF{QPointF(w * x, h * (y - size * 1.1)),
                                      QPointF(w * (x - size * 0.3), h * (y - size * 0.15)),
                                      QPointF(w * (x + size * 0.3), h * (y - size * 0.15))});
    }

    // A sailing boat on the lake.
    painter.setBrush(QColor(120, 50, 30));
    painter.drawPolygon(QPolygonF{QPointF(w * 0.44, h * 0.74), QPointF(w * 0.58, h * 0.74),
                                  QPointF(w * 0.555, h * 0.77), QPointF(w * 0.465, h * 0.77)});
    painter.setBrush(QColor(250, 245, 235));
    painter.drawPolygon(
        QPolygonF{QPointF(w * 0.51, h * 0.6), QPointF(w * 0.51, h * 0.735), QPointF(w * 0.57, h * 0.735)});
    painter.setBrush(QColor(230, 80, 70));
    painter.drawPolygon(
        QPolygonF{QPointF(w * 0.505, h * 0.62), QPointF(w * 0.505, h * 0.735), QPointF(w * 0.455, h * 0.735)});

    // A striped balloon.
    const QPointF centre(w * 0.3, h * 0.22);
    const double radius = h * 0.085;
    painter.save();
    QPainterPath envelope;
    envelope.addEllipse(centre, radius * 0.9, radius);
    painter.setClipPath(envelope);
    const QColor stripes[] = {QColor(230, 60, 60), QColor(250, 200, 60), QColor(60, 150, 220), QColor(90, 190, 110)};
    for (int i = 0; i < 8; ++i) {
        painter.setBrush(stripes[i % 4]);
        painter.drawRect(QRectF(centre.x() - radius + i * radius / 4, centre.y() - radius, radius / 4 + 1, 2 * radius));
    }
    painter.restore();
    painter.setPen(QPen(QColor(60, 40, 30), 1.5));
    painter.drawLine(centre + QPointF(-radius * 0.5, radius * 0.85), centre + QPointF(-radius * 0.18, radius * 1.45));
    painter.drawLine(centre + QPointF(radius * 0.5, radius * 0.85), centre + QPointF(radius * 0.18, radius * 1.45));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 90, 50));
    painter.drawRect(QRectF(centre.x() - radius * 0.2, centre.y() + radius * 1.45, radius * 0.4, radius * 0.3));
    return image;
}

// Plain gradients, for the other files in the list.
QImage swatch(const QColor& from, const QColor& to)
{
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 64, 48);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    return image;
}

class Renderer {
public:
    explicit Renderer(QString outFolder) : out(std::move(outFolder)) {}

    void save(QWidget& window, const QString& name)
    {
        settle();
        const QString path = QDir(out).filePath(name + ".png");
        if (!window.grab().save(path, "PNG")) {
            std::fprintf(stderr, "pintu_screenshots: cannot write %s\n", qPrintable(path));
            failed = true;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    // Long enough for every 100 ms timer to tick once.
    static void settle()
    {
        QTest::qWait(250);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool failed = false;

private:
    QString out;
};

// Every control the pictures need is there, or the build is broken.
template <typename Widget>
Widget* found(Widget* widget)
{
    if (!widget)
        qFatal("a control the screenshots need is missing");
    return widget;
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// "board-4x4-640x480"
QString pictureName(const BoardLayout& layout)
{
    return QString::fromStdString("board-" + gridName(*layout.size) + "-" + displayName(layout.set));
}

BoardWindow* openBoard(MenuWindow& menu, Difficulty difficulty)
{
    found(difficultyOption(menu, difficulty))->click();
    found(named<QAbstractButton>(menu, MenuControlNames::ok))->click();
    // The board shows once the reader has read its picture.
    if (!QTest::qWaitFor([&menu] { return menu.openBoard() && menu.openBoard()->isVisible(); }, 20000))
        qFatal("the menu opened no board");
    return menu.openBoard();
}

void renderBoard(Renderer& renderer, MenuWindow& menu, FakeClock& clock, Difficulty difficulty)
{
    BoardWindow* board = openBoard(menu, difficulty);
    const QString name = pictureName(board->layout());
    renderer.save(*board, name + "-preview");

    click(found(control(*board, Control::Start)));
    clock.advance(milliseconds(difficulty == Difficulty::Genius ? 754300 : 37200));
    const bool small = board->layout().numberMap.has_value();
    if (small)
        click(found(control(*board, Control::Credit))); // the number map
    renderer.save(*board, name + "-started");

    if (small && difficulty == Difficulty::Normal) {
        click(found(control(*board, Control::AutoSolve)));
        for (int press = 0; press < 3; ++press)
            click(found(control(*board, Control::StepForward)));
        clock.advance(milliseconds(4500)); // auto-solve sets the clock back to 0
        renderer.save(*board, name + "-replay");
    }
    click(found(control(*board, Control::Exit)));
    Renderer::settle();
}

// Keys reach a window's shortcuts once it is the active one.
void activate(BoardWindow& board)
{
    board.activateWindow();
    if (!QTest::qWaitForWindowActive(&board))
        qFatal("the board never became the active window");
}

void leave(BoardWindow& board)
{
    click(found(control(board, Control::Exit)));
    Renderer::settle();
}

// A pause and a look at the picture on the 4x4 board, and a 3x3 game won
// with a detour, its review asked for with H.
void renderAskedForOnBoards(Renderer& renderer, MenuWindow& menu, FakeClock& clock, solver::Solver& solver,
                            int& boxesToAnswer)
{
    BoardWindow* board = openBoard(menu, Difficulty::Normal);
    const QString name = pictureName(board->layout());
    click(found(control(*board, Control::Start)));
    clock.advance(milliseconds(61400));
    activate(*board);
    QTest::keyClick(board, Qt::Key_P);
    renderer.save(*board, name + "-paused");
    QTest::keyClick(board, Qt::Key_P);
    QTest::keyPress(board, Qt::Key_V);
    renderer.save(*board, name + "-picture");
    QTest::keyRelease(board, Qt::Key_V);
    leave(*board);

    board = openBoard(menu, Difficulty::Easy);
    click(found(control(*board, Control::Start)));
    clock.advance(milliseconds(23700));
    const auto slideTile = [board](int tile) {
        const auto& tiles = board->logic().arrangement().tiles();
        click(tileView(*board, static_cast<int>(std::find(tiles.begin(), tiles.end(), tile) - tiles.begin())));
    };
    const auto puzzle = solver::Puzzle::from(board->logic().arrangement().tiles());
    const std::vector<int> way = solver.solve(std::get<solver::Puzzle>(puzzle)).slides;
    // There and back again first: two steps more than the shortest way.
    slideTile(way.front());
    slideTile(way.front());
    boxesToAnswer = 1;
    for (const int tile : way)
        slideTile(tile);
    if (!QTest::qWaitFor([&] { return boxesToAnswer == 0; }))
        qFatal("the win was not celebrated");
    activate(*board);
    QTest::keyClick(board, Qt::Key_H);
    renderer.save(*board, pictureName(board->layout()) + "-review");
    leave(*board);
}

QtMessageHandler defaultMessages = nullptr;

// The offscreen platform cannot raise windows and says so every time a menu comes back.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != "This plugin does not support raise()")
        defaultMessages(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    defaultMessages = qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setUpApplication(application, argc > 2 ? languageFor({QString::fromLocal8Bit(argv[2])})
                                           : Language::SimplifiedChinese);
    QApplication::setQuitOnLastWindowClosed(false);

    // Nothing here should open a box but a win's message, which is answered;
    // if one does, say what it says rather than wait for a click.
    int boxesToAnswer = 0;
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [&boxesToAnswer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            auto* message = qobject_cast<QMessageBox*>(box);
            if (message && boxesToAnswer > 0) {
                --boxesToAnswer;
                message->accept();
                return;
            }
            qFatal("a box opened: %s", qPrintable(message ? message->text() : box->windowTitle()));
        }
    });
    boxWatch.start(50);

    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs/screenshots")).absolutePath();
    QDir().mkpath(out);
    Renderer renderer(out);

    // A fixed folder, so that the folder list shows the same path every time.
    QDir work(QDir::temp().filePath("pintu-screenshots"));
    work.removeRecursively();
    const QString pictures = work.filePath("图片");
    QDir().mkpath(pictures);
    // On a high-density screen the photo has as many pixels more, so that the tiles can show them.
    const qreal ratio = application.devicePixelRatio();
    landscape(qRound(800 * ratio), qRound(600 * ratio)).save(QDir(pictures).filePath(chosenPicture), "BMP");
    swatch(QColor(250, 120, 160), QColor(255, 230, 120)).save(QDir(pictures).filePath("花园.bmp"), "BMP");
    swatch(QColor(10, 20, 60), QColor(90, 60, 160)).save(QDir(pictures).filePath("夜空.bmp"), "BMP");
    swatch(QColor(200, 160, 120), QColor(90, 60, 40)).save(QDir(pictures).filePath("cat.bmp"), "BMP");
    QDir::setCurrent(pictures);

    QtFiles files;
    FakeClock clock; // stands still but when a board has to show its seconds
    const DataFiles data{work.filePath("data/kel.txt").toStdString(), work.filePath("data/grb.kel").toStdString()};
    // Tiles jump, so that every picture shows a board at rest.
    // Read by the picture reader, as in the game, so that the pictures show
    // every pixel as a player sees it.
    SandboxedPictures readers(PINTU_PICTURE_READER);
    PictureShelf pictureShelf(readers);
    const GameServices services{files,          clock, pictureShelf, data, [] { return std::make_unique<SeededRandom>(); },
                                [] {},          milliseconds(0), {}};
    const std::string& hallOfFame = services.dataFiles.hallOfFame;
    files.appendText(hallOfFame, hallOfFameRecord("张三", 1532, 6417, "03-14-2001"));
    files.appendText(hallOfFame, hallOfFameRecord("李小红", 987, 4023, "05-09-2001"));
    files.appendText(hallOfFame, hallOfFameRecord("王大明", 2210, 9350, "11-23-2001"));
    files.appendText(hallOfFame, hallOfFameRecord("赵晓燕", 764, 3118, "02-02-2002"));

    {
        ResolutionWindow resolution([](LayoutSet) {}, [] {});
        resolution.show();
        renderer.save(resolution, "resolution");
    }

    for (const LayoutSet set : {LayoutSet::A, LayoutSet::B}) {
        const QString display = QString::fromStdString(displayName(set));
        MenuWindow menu(set, services);
        menu.show();
        renderer.save(menu, "title-" + display);

        QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(4, 4)); // the window background
        auto* pictureList = found(named<QListWidget>(menu, MenuControlNames::pictures));
        const auto listed = pictureList->findItems(QString::fromUtf8(chosenPicture), Qt::MatchExactly);
        if (listed.isEmpty())
            qFatal("the file list does not show the picture");
        pictureList->setCurrentItem(listed.first());
        renderer.save(menu, "menu-" + display);

        for (const Difficulty difficulty : allDifficulties)
            renderBoard(renderer, menu, clock, difficulty);
    }

    {
        HallOfFameWindow viewer(files, hallOfFame, nullptr);
        viewer.show();
        renderer.save(viewer, "hall-of-fame");
    }

    // What a player asks for beyond the game's own screens. The 3x3 board
    // alone measures its start: its table takes no time to build.
    RecordBook records(files, work.filePath("data/records.txt").toStdString());
    records.add({"03-14-2001", 3, 41, 387, 23});
    records.add({"05-09-2001", 4, 96, 1423, 58});
    records.add({"05-09-2001", 5, 233, 6120});
    solver::Solver solver;
    GameServices asked = services;
    asked.records = &records;
    asked.shortestWay = [&solver](const Arrangement& start, std::stop_token stop) {
        return start.side() == 3 ? shortestWay(solver, start, stop) : std::nullopt;
    };
    {
        MenuWindow menu(LayoutSet::A, asked);
        menu.show();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(4, 4));
        auto* pictureList = found(named<QListWidget>(menu, MenuControlNames::pictures));
        pictureList->setCurrentItem(pictureList->findItems(QString::fromUtf8(chosenPicture), Qt::MatchExactly).value(0));
        renderAskedForOnBoards(renderer, menu, clock, solver, boxesToAnswer);
    }
    {
        RecordsWindow window(records.read(), records.trouble(), {}, nullptr);
        window.show();
        renderer.save(window, "records");
    }

    work.removeRecursively();
    return renderer.failed ? 1 : 0;
}
