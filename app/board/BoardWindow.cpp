#include "app/board/BoardWindow.h"

#include "app/board/BoardHints.h"
#include "app/board/NoHintNote.h"
#include "app/board/TileView.h"
#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/MessageBoxes.h"
#include "app/look/ClickableLabel.h"
#include "app/look/Colours.h"
#include "app/look/Fonts.h"
#include "app/menu/MenuScreen.h"
#include "app/session/ApplicationSetup.h"
#include "app/text/AccessibleNames.h"
#include "app/text/KeyTable.h"
#include "app/text/Messages.h"
#include "board/Board.h"
#include "genius/GeniusBoard.h"
#include "genius/MakeBoard.h"
#include "platform/qt/NativeFiles.h"
#include "platform/qt/pictures/PictureLoader.h"
#include "resume/KeptGameStore.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace pintu {

namespace {

constexpr int tickMilliseconds = 100;
constexpr double creditFontPoints = 15.75;

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The step count and its caption keep their boxes; the other labels fit their text.
bool sizesToText(Control control)
{
    return control == Control::Credit || control == Control::ClockCaption || control == Control::Clock;
}

// A screen reader hears the step count and the clock together with their captions.
void nameValues(const std::map<Control, QWidget*>& controls)
{
    const std::pair<Control, Control> captionedValues[] = {
        {Control::Steps, Control::StepsCaption},
        {Control::Clock, Control::ClockCaption},
    };
    for (const auto& [value, caption] : captionedValues) {
        auto* label = static_cast<QLabel*>(controls.at(value));
        const auto* captionLabel = static_cast<const QLabel*>(controls.at(caption));
        const QString name = valueAccessibleName(captionLabel->text(), label->text());
        if (label->accessibleName() != name)
            label->setAccessibleName(name);
    }
}

} // namespace

BoardWindow::BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services,
                         std::string picturePath)
    : windowLayout(layout),
      menu(menu),
      keptGames(services.keptGames),
      cells(layout.size->side, QSize(pixels(layout.columns.length(0)), pixels(layout.rows.length(0)))),
      random(services.newRandom()),
      glide(this, services.glide),
      help(new HelpOffer(this, services.dataFiles))
{
    setWindowTitle(messages::text(applicationTitle));
    setFixedSize(pixels(layout.client));
    if (layout.windowColour != systemColour) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, fromBgr(layout.windowColour));
        setPalette(colours);
    }
    buildControls();

    const BoardPlatform platform{
        *this, cells, services.files, services.clock, *random, services.dataFiles, keptGames ? this : nullptr};
    MadeBoard made = makeBoard(*layout.size, platform, std::move(picturePath));
    game = std::move(made.board);
    genius = made.genius;
    connectCommands();
    connectArrowKeys();
    // The genius board's hall of fame stays earned: it offers no hint.
    if (layout.size->kind == BoardKind::Logged && services.hints.search)
        hints = std::make_unique<BoardHints>(this, *game, views, services.hints);
    if (layout.size->kind == BoardKind::Genius)
        new NoHintNote(this, views);
    // The board itself takes the focus that a button loses while a game goes
    // on (see focusNextPrevChild), and a click on a tile.
    setFocusPolicy(Qt::StrongFocus);

    // The clock ticks from the moment the window exists, as its designer left it running.
    timer.setInterval(tickMilliseconds);
    timer.start();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::buildControls()
{
    const BoardLayout& layout = windowLayout;
    for (int k = 0; k < layout.size->cells; ++k) {
        auto* view = new TileView(this, k / layout.size->side, k % layout.size->side);
        view->setObjectName(QString(tileViewName).arg(k));
        view->setGeometry(pixels(layout.tile(k)));
        views.push_back(view);
    }

    for (const BoardControl& design : boardControls) {
        const auto place = layout.place(design.control);
        if (!place)
            continue;
        QWidget* widget = nullptr;
        if (design.isButton) {
            widget = new QPushButton(tr(design.caption), this);
        } else {
            auto* label = new ClickableLabel(tr(design.caption), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
        }
        if (design.spokenName)
            widget->setAccessibleName(tr(design.spokenName));
        widget->setObjectName(design.objectName);
        widget->setGeometry(pixels(*place));
        controls[design.control] = widget;
    }
    // The step buttons only appear with auto-solve.
    for (const Control hidden : {Control::StepBack, Control::StepForward})
        setVisible(hidden, false);
    QWidget* credit = controls.at(Control::Credit);
    credit->setFont(kaiFont(creditFontPoints));
    setTextColour(credit, fromBgr(red));
    for (const auto& [control, widget] : controls) {
        if (sizesToText(control))
            widget->adjustSize();
    }
    nameValues(controls);

    if (const auto& map = layout.numberMap) {
        for (int k = 0; k < layout.size->cells; ++k) {
            auto* label = new QLabel("L", this);
            label->setObjectName(QString(numberMapLabelName).arg(k));
            if (map->fontPoints > 0)
                label->setFont(songFont(map->fontPoints));
            label->move(pixels(map->left + numberMapSpacing * (k % layout.size->side)),
                        pixels(map->top + numberMapSpacing * (k / layout.size->side)));
            label->adjustSize();
            label->hide();
            numberMap.push_back(label);
            nameMapLabel(k);
        }
    }
}

void BoardWindow::connectCommands()
{
    for (int k = 0; k < static_cast<int>(views.size()); ++k)
        connect(views[k], &TileView::clicked, this, [this, k] { afterMove(game->click(k)); });
    const auto onClick = [this](Control control, auto command) {
        if (const auto found = controls.find(control); found != controls.end())
            connect(static_cast<QPushButton*>(found->second), &QPushButton::clicked, this, command);
    };
    onClick(Control::Start, [this] { start(); });
    onClick(Control::Exit, [this] { leave(); });
    onClick(Control::AutoSolve, [this] { afterReplay(game->autoSolve()); });
    onClick(Control::Restart, [this] { afterReplay(game->restart()); });
    onClick(Control::StepBack, [this] { afterReplay(game->stepBack()); });
    onClick(Control::StepForward, [this] { afterReplay(game->stepForward()); });
    connect(static_cast<ClickableLabel*>(controls.at(Control::Credit)), &ClickableLabel::clicked, this,
            [this] { game->showNumberMap(); });
    connect(&timer, &QTimer::timeout, this, [this] { game->tick(); });
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
        connect(shortcut, &QShortcut::activated, this,
                [this, direction = direction] { afterMove(game->press(direction)); });
    }
}

void BoardWindow::open()
{
    if (game->load() == LoadOutcome::PictureUnreadable) {
        showMessage(this, messages::text(messages::pictureUnreadable));
        leave();
        return;
    }
    show();
}

bool BoardWindow::resume(const Board::Snapshot& kept)
{
    cells.setDevicePixelRatio(devicePixelRatioF());
    if (game->load() == LoadOutcome::PictureUnreadable || !game->resume(kept))
        return false;
    show();
    // Nothing else is on screen: the keys come here at once, to the board
    // itself, as in any game under way, and not to a button.
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    // A win cut short is celebrated again, once the window shows.
    if (game->phase() == Board::Phase::Won)
        QTimer::singleShot(0, this, [this] { celebrate(); });
    return true;
}

void BoardWindow::keepGame()
{
    game->keep();
}

void BoardWindow::keep(const Board::Snapshot& snapshot)
{
    keptGames->keep({static_cast<int>(windowLayout.set), windowLayout.size, game->picturePath(), snapshot});
}

void BoardWindow::forget()
{
    keptGames->forget();
}

void BoardWindow::start()
{
    forgetHint();
    // Cut for the screen the board is on now, which may not be the one it opened on.
    cells.setDevicePixelRatio(devicePixelRatioF());
    switch (game->start()) {
    case StartOutcome::Started:
        break;
    case StartOutcome::PictureUnreadable:
        showMessage(this, messages::text(messages::pictureUnreadable));
        leave();
        break;
    case StartOutcome::MoveLogUnwritable:
        showMessage(this, messages::text(messages::moveLogUnwritable));
        break;
    }
}

void BoardWindow::leave()
{
    forgetHint();
    // Only a win waits for a landing, so a win whose last tile still glides is
    // celebrated first: a genius win must reach the hall of fame however
    // quickly the player leaves.
    glide.land();
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
    // The message waits until the winning tile has landed.
    if (outcome == MoveOutcome::Solved)
        glide.afterLanding([this] { celebrate(); });
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
        showMessage(this, messages::text(messages::hallOfFameUnwritable) + qText(entry->record));
}

void BoardWindow::showTile(int cell, int tile)
{
    showView(cell, cells.tile(tile), tile);
}

void BoardWindow::showEmpty(int cell)
{
    showView(cell, QPixmap(), std::nullopt);
}

void BoardWindow::showView(int cell, const QPixmap& picture, std::optional<int> tile)
{
    TileView* view = views.at(cell);
    if (glide.destination() == view)
        glide.land();
    view->setTile(picture, tile);
}

void BoardWindow::slideTile(int from, int to)
{
    const QPixmap tile = views.at(from)->picture();
    views.at(to)->setTile(tile, views.at(from)->tile());
    views.at(from)->setTile(QPixmap(), std::nullopt);
    glide.start(tile, views.at(from)->geometry(), views.at(to));
}

void BoardWindow::setViewEnabled(int cell, bool enabled)
{
    views.at(cell)->setEnabled(enabled);
}

void BoardWindow::setVisible(Control control, bool visible)
{
    if (const auto found = controls.find(control); found != controls.end())
        found->second->setVisible(visible);
}

void BoardWindow::setEnabled(Control control, bool enabled)
{
    if (const auto found = controls.find(control); found != controls.end())
        found->second->setEnabled(enabled);
}

void BoardWindow::setCaption(Control control, const std::string& caption)
{
    QWidget* widget = controls.at(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qText(caption));
        if (sizesToText(control))
            label->adjustSize();
        nameValues(controls);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(qText(caption));
    }
}

void BoardWindow::setMapVisible(int cell, bool visible)
{
    if (cell < static_cast<int>(numberMap.size()))
        numberMap[cell]->setVisible(visible);
}

void BoardWindow::setMapCaption(int cell, const std::string& caption)
{
    if (cell < static_cast<int>(numberMap.size())) {
        numberMap[cell]->setText(qText(caption));
        numberMap[cell]->adjustSize();
        nameMapLabel(cell);
    }
}

void BoardWindow::nameMapLabel(int cell)
{
    const int side = windowLayout.size->side;
    QLabel* label = numberMap[cell];
    label->setAccessibleName(numberMapAccessibleName(cell / side + 1, cell % side + 1, label->text()));
}

bool BoardWindow::setBackground(const std::string& path)
{
    if (path.empty()) {
        backgroundPicture = QPixmap();
        update();
        return true;
    }
    // The preview read first shows again after a win, unless the file has
    // changed since; a file gone meanwhile leaves the picture the player saw.
    const auto stamp = fileStamp(path);
    const PreviewKey key{path, stamp.value_or(FileStamp{})};
    if (!(key == previewKey) && stamp) {
        // Only the part inside the window can ever show, so only that part is decoded.
        const auto preview = readPicturePart(path, size());
        const QPixmap shown = preview ? QPixmap::fromImage(*preview) : QPixmap();
        if (shown.isNull()) // memory that ran out gives a null pixmap
            return false;
        previewPicture = shown;
        previewKey = key;
    } else if (previewPicture.isNull() || previewKey.path != path) {
        return false;
    }
    backgroundPicture = previewPicture;
    update();
    return true;
}

void BoardWindow::setTimerEnabled(bool enabled)
{
    if (enabled)
        timer.start();
    else
        timer.stop();
}

void BoardWindow::paintEvent(QPaintEvent*)
{
    if (backgroundPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, backgroundPicture);
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
    help->addEntry(menu);
    menu.exec(event->globalPos());
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
