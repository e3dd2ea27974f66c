#include "app/board/BoardWindow.h"

#include "app/board/BoardHints.h"
#include "app/board/GameReview.h"
#include "app/board/MenuScreen.h"
#include "app/board/NoHintNote.h"
#include "app/board/PictureLook.h"
#include "app/board/TileView.h"
#include "app/board/UnkeptGameNote.h"
#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/MessageBoxes.h"
#include "app/dialogs/RecordsWindow.h"
#include "app/look/ClickableLabel.h"
#include "app/look/Colours.h"
#include "app/text/KeyTable.h"
#include "app/text/Messages.h"
#include "genius/GeniusBoard.h"
#include "genius/MakeBoard.h"
#include "platform/qt/pictures/PictureShelf.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace pintu {

namespace {

constexpr int tickMilliseconds = 100;
constexpr const char* pauseEntry = QT_TRANSLATE_NOOP("pintu::BoardWindow", "暂停");
constexpr const char* lookEntry = QT_TRANSLATE_NOOP("pintu::BoardWindow", "看原图");

} // namespace

BoardWindow::BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services,
                         std::string picturePath)
    : windowLayout(layout),
      menu(menu),
      pictures(services.pictures),
      picturePath(picturePath),
      cells(services.pictures, layout.size->side,
            QSize(pixels(layout.columns.length(0)), pixels(layout.rows.length(0)))),
      random(services.newRandom()),
      widgets(*this, layout, services.pictures, cells, timer, services.glide),
      records(new RecordsOffer(this, services.records)),
      help(new HelpOffer(this, services.dataFiles))
{
    setWindowTitle(messages::text(messages::applicationTitle));
    setFixedSize(pixels(layout.client));
    if (layout.windowColour != systemColour) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, fromBgr(layout.windowColour));
        setPalette(colours);
    }

    auto* unkept = new UnkeptGameNote(this, widgets.views());
    if (services.keptGames)
        keeper = std::make_unique<BoardKeeper>(*services.keptGames, layout, picturePath, *unkept);
    const BoardPlatform platform{
        widgets, cells, services.files, services.clock, *random, services.dataFiles, keeper.get()};
    MadeBoard made = makeBoard(*layout.size, platform, std::move(picturePath));
    game = std::move(made.board);
    genius = made.genius;
    connectCommands();
    connectArrowKeys();
    const bool logged = layout.size->kind == BoardKind::Logged;
    // The genius board's hall of fame stays earned: it offers no hint.
    if (logged && services.hints.search)
        hints = std::make_unique<BoardHints>(this, *game, widgets.views(), services.hints);
    if (!logged)
        noHint = new NoHintNote(this, widgets.views(), messages::text(messages::noHintOnGenius));
    review = new GameReview(this, *game, widgets.views(), logged ? services.shortestWay : nullptr, services.records,
                            services.clock);
    look = new PictureLook(this, widgets.views(), cells);
    connectPlayerKeys();
    // The board itself takes the focus that a button loses while a game goes
    // on (see focusNextPrevChild), and a click on a tile.
    setFocusPolicy(Qt::StrongFocus);

    // The clock ticks from the moment the window exists, as its designer left it running.
    timer.setInterval(tickMilliseconds);
    timer.start();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::connectCommands()
{
    const std::vector<TileView*>& views = widgets.views();
    for (int k = 0; k < static_cast<int>(views.size()); ++k)
        connect(views[k], &TileView::clicked, this, [this, k] { afterMove(game->click(k)); });
    const auto onClick = [this](Control control, auto command) {
        if (auto* button = static_cast<QPushButton*>(widgets.control(control)))
            connect(button, &QPushButton::clicked, this, command);
    };
    onClick(Control::Start, [this] { start(); });
    onClick(Control::Exit, [this] { leave(); });
    onClick(Control::AutoSolve, [this] { afterReplay(game->autoSolve()); });
    onClick(Control::Restart, [this] { afterReplay(game->restart()); });
    onClick(Control::StepBack, [this] { afterReplay(game->stepBack()); });
    onClick(Control::StepForward, [this] { afterReplay(game->stepForward()); });
    connect(static_cast<ClickableLabel*>(widgets.control(Control::Credit)), &ClickableLabel::clicked, this,
            [this] { game->showNumberMap(); });
    connect(&timer, &QTimer::timeout, this, [this] { game->tick(); });
    connect(widgets.tileCover(), &ClickableLabel::clicked, this, [this] { game->goOn(); });
}

void BoardWindow::connectArrowKeys()
{
    // Window-wide, so that arrows move tiles and never wander the focus from
    // button to button; Space and Enter stay with the focused button.
    const std::pair<KeyCommand, Direction> arrows[] = {
        {KeyCommand::SlideLeft, Direction::Left},
        {KeyCommand::SlideRight, Direction::Right},
        {KeyCommand::SlideUp, Direction::Up},
        {KeyCommand::SlideDown, Direction::Down},
    };
    for (const auto& [command, direction] : arrows) {
        QShortcut* shortcut = addShortcut(this, command);
        shortcut->setAutoRepeat(true);
        // Copied by name: clang before 16 cannot capture a structured binding.
        connect(shortcut, &QShortcut::activated, this, [this, direction = direction] {
            // The board under a look at the picture stays as it was.
            if (!look->isVisible())
                afterMove(game->press(direction));
        });
    }
}

void BoardWindow::connectPlayerKeys()
{
    const std::pair<KeyCommand, void (BoardWindow::*)()> keys[] = {
        {KeyCommand::Hint, &BoardWindow::askForHint},
        {KeyCommand::Pause, &BoardWindow::togglePause},
        {KeyCommand::PauseKey, &BoardWindow::togglePause},
    };
    for (const auto& [command, act] : keys) {
        QShortcut* shortcut = addShortcut(this, command);
        shortcut->setAutoRepeat(false); // a held key acts once
        connect(shortcut, &QShortcut::activated, this, act);
    }
    // Held, it shows the picture; its release, which no shortcut sees, ends that.
    QShortcut* lookKey = addShortcut(this, KeyCommand::LookAtPicture);
    lookKey->setAutoRepeat(false);
    connect(lookKey, &QShortcut::activated, this, [this] {
        if (canLook())
            look->hold();
    });
}

void BoardWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == keyOf(KeyCommand::LookAtPicture).key() && !event->isAutoRepeat())
        look->letGo();
    QWidget::keyReleaseEvent(event);
}

void BoardWindow::askForHint()
{
    if (game->isPaused() || look->isVisible())
        return;
    if (review->isOffered())
        review->show();
    else if (hints)
        hints->request();
    else if (noHint)
        noHint->show();
}

void BoardWindow::togglePause()
{
    if (game->goOn())
        return;
    if (game->pause()) {
        forgetHint();
        look->end();
    }
}

bool BoardWindow::canLook() const
{
    const Board::Phase phase = game->phase();
    return (phase == Board::Phase::Playing || phase == Board::Phase::Replaying) && !game->isPaused();
}

void BoardWindow::readPicture(std::function<void()> then)
{
    cells.setDevicePixelRatio(devicePixelRatioF());
    pictures.prepare(picturePath, PictureNeeds{size(), windowLayout.size->side, cells.cellPixels()}, this,
                     std::move(then));
}

void BoardWindow::open()
{
    readPicture([this] {
        if (game->load() == LoadOutcome::PictureUnreadable) {
            showMessage(this, messages::text(messages::pictureUnreadable));
            leave();
            return;
        }
        menu.hide();
        show();
    });
}

void BoardWindow::resume(const Board::Snapshot& kept, std::function<void(bool)> resumed)
{
    readPicture([this, kept, resumed = std::move(resumed)] {
        if (game->load() == LoadOutcome::PictureUnreadable || !game->resume(kept)) {
            resumed(false);
            return;
        }
        review->gameBegan();
        show();
        // Nothing else is on screen: the keys come here at once, to the board
        // itself, as in any game under way, and not to a button.
        activateWindow();
        setFocus(Qt::OtherFocusReason);
        // A win cut short is celebrated again, once the window shows.
        if (game->phase() == Board::Phase::Won)
            QTimer::singleShot(0, this, [this] { celebrate(); });
        resumed(true);
    });
}

void BoardWindow::keepGame()
{
    game->keep();
}

void BoardWindow::start()
{
    forgetHint();
    readPicture([this] {
        switch (game->start()) {
        case StartOutcome::Started:
            review->gameBegan();
            break;
        case StartOutcome::PictureUnreadable:
            showMessage(this, messages::text(messages::pictureUnreadable));
            leave();
            break;
        case StartOutcome::MoveLogUnwritable:
            showMessage(this, messages::text(messages::moveLogUnwritable));
            break;
        }
    });
}

void BoardWindow::leave()
{
    // A picture still being read for this board is read for nobody.
    pictures.letGo(this);
    forgetHint();
    // Only a win waits for a landing, so a win whose last tile still glides is
    // celebrated first: a genius win must reach the hall of fame however
    // quickly the player leaves.
    widgets.glide().land();
    timer.stop();
    const Departure departure = game->exit();
    menu.show();
    if (departure.hallOfFameButton)
        menu.setHallOfFameButtonVisible(*departure.hallOfFameButton);
    hide();
    deleteLater();
}

void BoardWindow::afterMove(MoveOutcome outcome)
{
    if (outcome != MoveOutcome::NoEffect)
        forgetHint();
    // The message waits until the winning tile has landed, and so does the
    // record, which is written to the disk.
    if (outcome == MoveOutcome::Solved) {
        widgets.glide().afterLanding([this] {
            review->recordWin();
            celebrate();
        });
    }
}

void BoardWindow::afterReplay(ReplayOutcome outcome)
{
    forgetHint();
    if (outcome == ReplayOutcome::Solved)
        showMessage(this, messages::text(messages::solved));
    else if (outcome == ReplayOutcome::MoveLogDamaged)
        showMessage(this, messages::text(messages::moveLogDamaged));
}

void BoardWindow::celebrate()
{
    game->celebrationBegins();
    if (genius)
        recordWinner(*genius);
    else
        showMessage(this, messages::text(messages::solved));
    game->closeCompletedPicture();
}

void BoardWindow::recordWinner(GeniusBoard& genius)
{
    QString name;
    // Cancelling, or a name left empty, only brings the box back.
    while (name.isEmpty())
        name = askText(this, messages::text(messages::namePrompt), messages::text(messages::nameTitle));
    const auto entry = genius.recordWinner(name.toStdString());
    if (entry && !entry->saved)
        showMessage(this, messages::text(messages::hallOfFameUnwritable) + QString::fromStdString(entry->record));
}

void BoardWindow::paintEvent(QPaintEvent*)
{
    if (widgets.background().isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, widgets.background());
}

void BoardWindow::forgetHint()
{
    if (hints)
        hints->forget();
}

void BoardWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (hints)
        hints->addEntry(menu);
    review->addEntry(menu);
    addPlayerEntries(menu);
    records->addEntry(menu);
    help->addEntry(menu);
    menu.exec(event->globalPos());
}

void BoardWindow::addPlayerEntries(QMenu& menu)
{
    QAction* pause = menu.addAction(tr(pauseEntry));
    pause->setCheckable(true);
    pause->setChecked(game->isPaused());
    pause->setEnabled(game->phase() == Board::Phase::Playing);
    connect(pause, &QAction::triggered, this, &BoardWindow::togglePause);
    QAction* picture = menu.addAction(tr(lookEntry));
    picture->setEnabled(canLook());
    // Once the right-click menu has closed, so that its own click does not end the look at once.
    connect(picture, &QAction::triggered, look, &PictureLook::showUntilNextInput, Qt::QueuedConnection);
}

bool BoardWindow::focusNextPrevChild(bool next)
{
    // Qt hands the focus of a button that goes (hidden or disabled) to the
    // next one, where Space or Enter would press it unasked: "开始" would pass
    // it to "退出". The board keeps it instead; Tab still visits every button.
    QWidget* focused = focusWidget();
    if (focused && focused != this && !(focused->isVisible() && focused->isEnabled())) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // The close box leaves the board as its own "退出" does.
    event->accept();
    leave();
}

} // namespace pintu
