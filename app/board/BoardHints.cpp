#include "app/board/BoardHints.h"

#include "app/board/NoHintNote.h"
#include "app/board/TileView.h"
#include "board/Board.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace pintu {

namespace {

constexpr int markMilliseconds = 1000;
// A search that takes longer than this says it is at work (the first ever
// builds its tables, which takes a second or two), and then how far the
// build has come, brought up to date at this pace.
constexpr int patienceMilliseconds = 300;
constexpr int progressMilliseconds = 250;
constexpr int markWidth = 3;
constexpr int textGap = 4;
const QColor markColour(255, 196, 0);

constexpr const char* menuText = QT_TRANSLATE_NOOP("pintu::BoardHints", "提示");
// The moves left choose the plural form.
constexpr const char* provenText = QT_TRANSLATE_N_NOOP("pintu::BoardHints", "最少还需 %1 步");
constexpr const char* estimateText = QT_TRANSLATE_N_NOOP("pintu::BoardHints", "约需 %1 步");
constexpr const char* searchingText = QT_TRANSLATE_NOOP("pintu::BoardHints", "正在计算…");
constexpr const char* progressText = " %1%"; // after searchingText
// When a search finds none, as when memory ran out; a later one may.
constexpr const char* notFoundText = QT_TRANSLATE_NOOP("pintu::BoardHints", "暂时没有提示");

// A frame drawn over a tile; clicks go through it to the tile.
class TileMark final : public QWidget {
public:
    explicit TileMark(QWidget* window) : QWidget(window)
    {
        setObjectName("hintMark");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(markColour, markWidth));
        painter.setBrush(QColor(255, 240, 160, 60));
        const qreal inset = markWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
};

} // namespace

BoardHints::BoardHints(QWidget* window, const Board& board, const std::vector<TileView*>& views,
                       const HintSource& source)
    : window(window),
      board(board),
      views(views),
      finder(source.search),
      progress(source.progress),
      mark(new TileMark(window)),
      text(new QLabel(window)),
      notFound(new NoHintNote(window, views, tr(notFoundText)))
{
    text->setObjectName("hintText");
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    text->setStyleSheet(hintTextStyle);
    text->hide();
    markTime.setSingleShot(true);
    markTime.setInterval(markMilliseconds);
    connect(&markTime, &QTimer::timeout, mark, &QWidget::hide);
    patience.setSingleShot(true);
    connect(&patience, &QTimer::timeout, this, &BoardHints::showSearching);
    connect(&finder, &HintFinder::answered, this, &BoardHints::show);
    if (const HintPreparation& prepare = source.prepare) {
        const int side = board.boardSize().side;
        finder.prepare([prepare, side](std::stop_token stop) { prepare(side, stop); });
    }
}

bool BoardHints::isOffered() const
{
    return board.phase() == Board::Phase::Playing && !board.isPaused();
}

void BoardHints::request()
{
    if (!isOffered() || !finder.find(board.arrangement()))
        return;
    asked = board.arrangement();
    patience.start(patienceMilliseconds);
}

void BoardHints::showSearching()
{
    if (!finder.isFinding())
        return;
    QString words = tr(searchingText);
    if (const std::optional<int> done = progress ? progress() : std::nullopt)
        words += QString::fromUtf8(progressText).arg(*done);
    showText(words, views.at(board.arrangement().blankCell())->geometry());
    patience.start(progressMilliseconds);
}

void BoardHints::addEntry(QMenu& menu)
{
    QAction* hint = menu.addAction(tr(menuText));
    hint->setEnabled(isOffered() && !finder.isFinding());
    connect(hint, &QAction::triggered, this, &BoardHints::request);
}

void BoardHints::forget()
{
    finder.cancel();
    asked.reset();
    patience.stop();
    markTime.stop();
    mark->hide();
    text->hide();
}

void BoardHints::show(const std::optional<Hint>& hint)
{
    patience.stop();
    text->hide();
    // A hint for an arrangement no longer in play helps nobody.
    if (!isOffered() || asked != board.arrangement())
        return;
    if (!hint) {
        notFound->show();
        return;
    }
    const QRect tile = views.at(hint->cell)->geometry();
    mark->setGeometry(tile);
    mark->raise();
    mark->show();
    markTime.start();
    showText(tr(hint->proven ? provenText : estimateText, nullptr, hint->movesLeft).arg(hint->movesLeft), tile);
}

void BoardHints::showText(const QString& words, const QRect& tile)
{
    text->setText(words);
    text->adjustSize();
    placeText(tile);
    text->raise();
    text->show();
}

void BoardHints::placeText(const QRect& tile)
{
    // Beside the tile, on the side where the window has room, level with its middle.
    const QSize size = text->size();
    const int right = tile.right() + textGap;
    const int left = right + size.width() <= window->width() ? right : tile.left() - textGap - size.width();
    const int top = std::clamp(tile.center().y() - size.height() / 2, 0, window->height() - size.height());
    text->move(std::max(left, 0), top);
}

} // namespace pintu
