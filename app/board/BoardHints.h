#pragma once

#include "app/board/HintFinder.h"
#include "board/Arrangement.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace pintu {

class Board;
class NoHintNote;
class TileView;

// The hint of a board in play: H, or "提示" in the right-click menu, marks the
// tile that a shortest way to the whole picture moves next and tells how many
// moves that way takes. The search runs off the window's thread.
class BoardHints final : public QObject {
    Q_OBJECT
public:
    // Gets the searches of this board's size ready at once, so that the first
    // hint does not wait for them.
    BoardHints(QWidget* window, const Board& board, const std::vector<TileView*>& views, const HintSource& source);

    void request();
    // "提示", for the window's right-click menu.
    void addEntry(QMenu& menu);
    // The board moved on: the text goes and a search in flight is dropped.
    void forget();

    bool isFinding() const { return finder.isFinding(); }

private:
    bool isOffered() const;
    void show(const std::optional<Hint>& hint);
    void showSearching();
    void showText(const QString& words, const QRect& tile);
    void placeText(const QRect& tile);

    QWidget* window;
    const Board& board;
    const std::vector<TileView*>& views;
    HintFinder finder;
    HintProgress progress;
    std::optional<Arrangement> asked; // what the search in flight was asked about
    QWidget* mark;                     // the frame around the tile to move
    QLabel* text;
    NoHintNote* notFound; // when a search ends without a hint
    QTimer markTime;
    QTimer patience; // then, while the search goes on, how often its text is brought up to date
};

// How a note beside the board looks, for hints and for the lack of them.
inline constexpr const char* hintTextStyle =
    "QLabel { background: #fff8d8; color: black; border: 1px solid #c89600; padding: 2px 5px; }";

} // namespace pintu
