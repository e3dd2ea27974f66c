#pragma once

#include "app/board/TileView.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QVariantAnimation>

#include <chrono>
#include <functional>

namespace pintu {

// Lets a moved tile glide from its old cell into the blank instead of
// jumping there. The views hold the new arrangement at once; only the drawing
// of the destination waits until the glide lands.
class TileGlide final : public QObject {
    Q_OBJECT
public:
    // A duration of zero switches gliding off: tiles jump.
    TileGlide(QWidget* board, std::chrono::milliseconds duration);

    // Lands the glide in flight first, so that nothing is drawn out of order.
    void start(const QPixmap& picture, const QRect& from, TileView* destination);
    // Finishes the glide in flight at once, then runs what waited for it.
    void land();
    const TileView* destination() const { return destinationView; }
    // Runs `next` once the glide in flight has landed, or now when none is.
    void afterLanding(std::function<void()> next);

private:
    class GlidingTile;

    bool isGliding() const { return !destinationView.isNull(); }
    void finishDrawing();

    std::chrono::milliseconds duration;
    GlidingTile* tile; // drawn above the views while it glides
    QVariantAnimation motion;
    QPointer<TileView> destinationView;
    std::function<void()> waiting;
};

} // namespace pintu
