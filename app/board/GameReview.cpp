#include "app/board/GameReview.h"

#include "app/board/SideNote.h"
#include "board/Board.h"
#include "board/NumberText.h"
#include "records/RecordBook.h"

#include <QLabel>
#include <QMenu>
#include <QMetaObject>

namespace pintu {

namespace {

constexpr const char* menuText = QT_TRANSLATE_NOOP("pintu::GameReview", "本局回顾");
// %1: the steps taken, %2: the fewest the start needed.
constexpr const char* provenText = QT_TRANSLATE_NOOP("pintu::GameReview", "你用了 %1 步，最少 %2 步");
constexpr const char* boundText = QT_TRANSLATE_NOOP("pintu::GameReview", "你用了 %1 步，最少不超过 %2 步");
constexpr const char* measuringText = QT_TRANSLATE_NOOP("pintu::GameReview", "你用了 %1 步，最少几步还在计算…");
constexpr const char* unmeasuredText = QT_TRANSLATE_NOOP("pintu::GameReview", "你用了 %1 步");

} // namespace

GameReview::GameReview(QWidget* window, const Board& board, const std::vector<TileView*>& views,
                       ShortestWaySearch search, RecordBook* records, const Clock& clock)
    : QObject(window),
      board(board),
      views(views),
      search(std::move(search)),
      records(records),
      clock(clock),
      note(newSideNote(window, "reviewNote"))
{
}

void GameReview::gameBegan()
{
    note->hide();
    measure.request_stop();
    ++games;
    measuring = false;
    shortest.reset();
    unmeasuredWin.reset();
    const std::optional<Arrangement>& start = board.startArrangement();
    if (!search || !start)
        return;
    measuring = true;
    const int game = games;
    measure = threads.find<ShortestWay>(
        [this, start = *start](std::stop_token stop) { return search(start, stop); },
        [this, game](const std::optional<ShortestWay>& way) {
            QMetaObject::invokeMethod(this, [this, game, way] { measured(game, way); }, Qt::QueuedConnection);
        });
}

void GameReview::measured(int game, const std::optional<ShortestWay>& way)
{
    if (game != games)
        return;
    measuring = false;
    shortest = way;
    // Only a proven way is a record's shortest.
    if (unmeasuredWin && way && way->proven)
        records->addShortest(*unmeasuredWin, way->moves);
    unmeasuredWin.reset();
    if (note->isVisible())
        show();
}

void GameReview::recordWin()
{
    if (!records)
        return;
    const bool known = !measuring && shortest && shortest->proven;
    const Win win{clock.date(), board.boardSize().side, board.stepCount(), elapsedTenths(board.playedTime()),
                  known ? std::optional<int>(shortest->moves) : std::nullopt};
    records->add(win);
    if (measuring)
        unmeasuredWin = win;
}

bool GameReview::isOffered() const
{
    return search && board.phase() == Board::Phase::Completed;
}

void GameReview::show()
{
    if (!isOffered())
        return;
    note->setText(words());
    placeBesideTiles(*note, views);
    note->raise();
    note->show();
}

QString GameReview::words() const
{
    const int steps = board.stepCount();
    if (measuring)
        return tr(measuringText).arg(steps);
    if (!shortest)
        return tr(unmeasuredText).arg(steps);
    return tr(shortest->proven ? provenText : boundText).arg(steps).arg(shortest->moves);
}

void GameReview::addEntry(QMenu& menu)
{
    if (!search)
        return;
    QAction* review = menu.addAction(tr(menuText));
    review->setEnabled(isOffered());
    connect(review, &QAction::triggered, this, &GameReview::show);
}

} // namespace pintu
