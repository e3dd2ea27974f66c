#pragma once

#include <QWidget>

#include <vector>

namespace pintu {

class QtCellSource;
class TileView;

// The whole picture in place of the tiles, each cell at its tile's size: while
// V is held, or from the right-click menu until the next click or key. The
// board under it stays exactly as it was; it takes the clicks meanwhile.
class PictureLook final : public QWidget {
    Q_OBJECT
public:
    PictureLook(QWidget* window, const std::vector<TileView*>& views, const QtCellSource& cells);

    void hold();
    void letGo();
    void showUntilNextInput();
    void end();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showOver();

    QWidget* window;
    const std::vector<TileView*>& views;
    const QtCellSource& cells;
    bool untilNextInput = false;
};

} // namespace pintu
