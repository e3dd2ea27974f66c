#include "app/board/TileGlide.h"

#include <QPainter>

#include <utility>

namespace pintu {

// The tile in flight; clicks go through it to the views below.
class TileGlide::GlidingTile final : public QWidget {
public:
    explicit GlidingTile(QWidget* board) : QWidget(board)
    {
        setObjectName("glidingTile");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void setPicture(const QPixmap& picture)
    {
        shown = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintTile(painter, rect(), shown);
    }

private:
    QPixmap shown;
};

TileGlide::TileGlide(QWidget* board, std::chrono::milliseconds duration)
    : QObject(board), duration(duration), tile(new GlidingTile(board)), motion(this)
{
    // Named, and a child of the board through the glide, so that tests can follow the motion.
    motion.setObjectName("glideMotion");
    motion.setEasingCurve(QEasingCurve::OutQuad);
    connect(&motion, &QVariantAnimation::valueChanged, tile, [this](const QVariant& place) {
        tile->setGeometry(place.toRect());
    });
    // Queued, so that what waits for the landing (a modal box) runs outside the
    // animation's own timer. A move made before the queued call arrives has
    // landed this glide already and may have started the next one, which the
    // late call must leave gliding.
    connect(
        &motion, &QVariantAnimation::finished, this,
        [this] {
            if (motion.state() == QAbstractAnimation::Stopped)
                land();
        },
        Qt::QueuedConnection);
}

void TileGlide::start(const QPixmap& picture, const QRect& from, TileView* destination)
{
    land();
    if (duration.count() <= 0 || picture.isNull())
        return;
    destinationView = destination;
    destination->setConcealed(true);
    tile->setPicture(picture);
    tile->setGeometry(from);
    tile->raise();
    tile->show();
    motion.setDuration(static_cast<int>(duration.count()));
    motion.setStartValue(from);
    motion.setEndValue(destination->geometry());
    motion.start();
}

void TileGlide::land()
{
    finishDrawing();
    if (auto next = std::exchange(waiting, nullptr))
        next();
}

void TileGlide::afterLanding(std::function<void()> next)
{
    if (isGliding())
        waiting = std::move(next);
    else
        next();
}

void TileGlide::finishDrawing()
{
    motion.stop();
    tile->hide();
    if (TileView* view = std::exchange(destinationView, nullptr))
        view->setConcealed(false);
}

} // namespace pintu
