#pragma once

#include "app/board/BoardKeeper.h"
#include "app/board/BoardWidgets.h"
#include "app/GameServices.h"
#include "app/look/BoardLayouts.h"
#include "board/Board.h"
#include "board/Outcomes.h"
#include "platform/qt/pictures/QtCellSource.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QMenu;

namespace pintu {

class BoardHints;
class GameReview;
class GeniusBoard;
class HelpOffer;
class MenuScreen;
class NoHintNote;
class PictureLook;
class RecordsOffer;

// A board window of any size and either layout set, built from its layout
// row. The rules are the board logic behind it, which draws on the window's
// widgets and keeps its game through the keeper; the window turns clicks and
// keys into its commands and shows what their outcomes call for.
class BoardWindow final : public QWidget {
    Q_OBJECT
public:
    BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services, std::string picturePath);
    ~BoardWindow() override;

    // Reads the picture, then loads the board and shows it in the menu's
    // place, or says the picture cannot be read and goes back to the menu.
    void open();
    // Reads the picture, then loads the board, plays on from `kept` and tells
    // `resumed` true; or tells it false, doing nothing, when the picture
    // cannot be read.
    void resume(const Board::Snapshot& kept, std::function<void(bool)> resumed);
    // Keeps the game as it stands this moment, for a program about to end.
    void keepGame();

    const BoardLayout& layout() const { return windowLayout; }
    const Board& logic() const { return *game; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void connectCommands();
    void connectArrowKeys();
    void connectPlayerKeys();
    void addPlayerEntries(QMenu& menu);

    // Reads the picture for the screen the board is on now, which may not be
    // the one it opened on, unless it holds it already, then goes on.
    void readPicture(std::function<void()> then);
    void start();
    void leave();
    void afterMove(MoveOutcome outcome);
    void afterReplay(ReplayOutcome outcome);
    void celebrate();
    void forgetHint();
    void recordWinner(GeniusBoard& genius);
    // H: a hint in play, the review after a win, or the note that there is none.
    void askForHint();
    void togglePause();
    // The picture can be looked at while tiles take its place and the game is not paused.
    bool canLook() const;

    const BoardLayout& windowLayout;
    MenuScreen& menu;
    PictureShelf& pictures;
    const std::string picturePath;
    QtCellSource cells;
    std::unique_ptr<Random> random;
    QTimer timer;
    BoardWidgets widgets; // the board logic's screen
    std::unique_ptr<BoardKeeper> keeper; // when the game under way is kept
    std::unique_ptr<Board> game;
    GeniusBoard* genius; // the same board, when it keeps a hall of fame
    std::unique_ptr<BoardHints> hints; // on the boards that offer them
    NoHintNote* noHint = nullptr;      // on the board that does not
    GameReview* review;
    PictureLook* look;
    RecordsOffer* records;
    HelpOffer* help;
};

} // namespace pintu
