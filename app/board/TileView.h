#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>
#include <vector>

namespace pintu {

// One cell of the board: stretches its picture over its whole rectangle and
// shows the window behind it when it holds none. Its accessible name says
// where it is and which tile it holds.
class TileView final : public QWidget {
    Q_OBJECT
public:
    // The cell at `row`, `column`, counted from 0.
    TileView(QWidget* parent, int row, int column);

    // `tile`'s picture, or none for the blank.
    void setTile(const QPixmap& picture, std::optional<int> tile);
    const QPixmap& picture() const { return shown; }
    std::optional<int> tile() const { return shownTile; }
    // While a tile glides in, the view holds it already but leaves it undrawn.
    void setConcealed(bool concealed);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int row;
    int column;
    QPixmap shown;
    std::optional<int> shownTile;
    bool concealed = false;
};

// Draws `picture` stretched over `target`, as every tile is drawn.
void paintTile(QPainter& painter, const QRect& target, const QPixmap& picture);

// Where the views lie together in their window.
QRect tileArea(const std::vector<TileView*>& views);

} // namespace pintu
