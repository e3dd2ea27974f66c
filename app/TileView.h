#pragma once

#include <QPixmap>
#include <QWidget>

namespace pintu {

// One cell of the board: stretches its picture over its whole rectangle and
// shows the window behind it when it holds none.
class TileView final : public QWidget {
    Q_OBJECT
public:
    explicit TileView(QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return shown; }
    // While a tile glides in, the view holds it already but leaves it undrawn.
    void setConcealed(bool concealed);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap shown;
    bool concealed = false;
};

// Draws `picture` stretched over `target`, as every tile is drawn.
void paintTile(QPainter& painter, const QRect& target, const QPixmap& picture);

} // namespace pintu
