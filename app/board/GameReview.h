#pragma once

#include "app/board/HintFinder.h"
#include "hint/SearchThreads.h"
#include "records/Records.h"

#include <QObject>

#include <optional>
#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace pintu {

class Board;
class Clock;
class RecordBook;
class TileView;

// What a board window makes of a game won by moves: the win goes into the
// player's records, and on the boards that measure their start, H or
// "本局回顾" in the right-click menu sets the steps taken against the fewest
// the start needed, worked out off the window's thread while the game goes on.
class GameReview final : public QObject {
    Q_OBJECT
public:
    // Without a search the board measures nothing and offers no review;
    // without a book its wins are recorded nowhere.
    GameReview(QWidget* window, const Board& board, const std::vector<TileView*>& views, ShortestWaySearch search,
               RecordBook* records, const Clock& clock);

    // A game began or came back: the last review goes and its start is measured.
    void gameBegan();
    // Once the winning move has landed.
    void recordWin();

    bool isOffered() const;
    void show();
    // "本局回顾", for the window's right-click menu.
    void addEntry(QMenu& menu);

private:
    void measured(int game, const std::optional<ShortestWay>& way);
    QString words() const;

    const Board& board;
    const std::vector<TileView*>& views;
    ShortestWaySearch search;
    RecordBook* records;
    const Clock& clock;
    QLabel* note;
    int games = 0; // numbers each game, so that a late measure of an earlier one is known
    bool measuring = false;
    std::optional<ShortestWay> shortest;
    std::optional<Win> unmeasuredWin; // recorded before its start was measured
    std::stop_source measure;
    SearchThreads threads; // last: its searches end before what they use goes
};

} // namespace pintu
