#pragma once

#include "app/board/TileGlide.h"
#include "app/GameServices.h"
#include "app/look/BoardLayouts.h"
#include "board/BoardScreen.h"
#include "board/GameKeeper.h"
#include "board/Outcomes.h"
#include "platform/qt/NativeFiles.h"
#include "platform/qt/pictures/QtCellSource.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace pintu {

class Board;
class BoardHints;
class GeniusBoard;
class HelpOffer;
class MenuScreen;
class TileView;

// A board window of any size and either layout set, built from its layout
// row. The rules are the board logic behind it; the window turns clicks and
// keys into its commands and shows what their outcomes call for.
class BoardWindow final : public QWidget, public BoardScreen, public GameKeeper {
    Q_OBJECT
public:
    BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services, std::string picturePath);
    ~BoardWindow() override;

    // Loads the board and shows it, or says the picture cannot be read and
    // goes back to the menu.
    void open();
    // Loads the board and plays on from `kept`, or does nothing and says
    // false when the picture cannot be read.
    bool resume(const Board::Snapshot& kept);
    // Keeps the game as it stands this moment, for a program about to end.
    void keepGame();

    const BoardLayout& layout() const { return windowLayout; }
    const Board& logic() const { return *game; }
    QPixmap background() const { return backgroundPicture; }

    using QWidget::setEnabled;
    using QWidget::setVisible;

    void showTile(int cell, int tile) override;
    void showEmpty(int cell) override;
    void slideTile(int from, int to) override;
    void setViewEnabled(int cell, bool enabled) override;
    void setVisible(Control control, bool visible) override;
    void setEnabled(Control control, bool enabled) override;
    void setCaption(Control control, const std::string& caption) override;
    void setMapVisible(int cell, bool visible) override;
    void setMapCaption(int cell, const std::string& caption) override;
    bool setBackground(const std::string& path) override;
    void setTimerEnabled(bool enabled) override;

    void keep(const Board::Snapshot& game) override;
    void forget() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void connectCommands();
    void connectArrowKeys();

    void start();
    void leave();
    void afterMove(MoveOutcome outcome);
    void afterReplay(ReplayOutcome outcome);
    void celebrate();
    void forgetHint();
    void recordWinner(GeniusBoard& genius);
    void showView(int cell, const QPixmap& picture, std::optional<int> tile);
    void nameMapLabel(int cell);

    const BoardLayout& windowLayout;
    MenuScreen& menu;
    KeptGameStore* keptGames;
    QtCellSource cells;
    std::unique_ptr<Random> random;
    std::unique_ptr<Board> game;
    GeniusBoard* genius; // the same board, when it keeps a hall of fame

    std::vector<TileView*> views;
    std::vector<QLabel*> numberMap;
    std::map<Control, QWidget*> controls;
    TileGlide glide;
    std::unique_ptr<BoardHints> hints; // on the boards that offer them
    HelpOffer* help;
    // The top-left of the picture as last read, and which file it came from.
    struct PreviewKey {
        std::string path;
        FileStamp stamp;
        bool operator==(const PreviewKey&) const = default;
    };
    PreviewKey previewKey;
    QPixmap previewPicture;
    QPixmap backgroundPicture;
    QTimer timer;
};

} // namespace pintu
