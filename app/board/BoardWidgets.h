#pragma once

#include "app/board/TileGlide.h"
#include "app/look/BoardLayouts.h"
#include "board/BoardScreen.h"

#include <QPixmap>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTimer;

namespace pintu {

class ClickableLabel;
class PictureShelf;
class QtCellSource;
class TileView;

// The tile views, controls and number map of a board window, built from its
// layout row, as the board's logic draws on them: tiles cut by `cells`, moves
// that glide, the picture behind the views as `pictures` holds it, and the
// clock's timer.
class BoardWidgets final : public BoardScreen {
public:
    BoardWidgets(QWidget& window, const BoardLayout& layout, const PictureShelf& pictures, const QtCellSource& cells,
                 QTimer& clock, std::chrono::milliseconds glideDuration);

    const std::vector<TileView*>& views() const { return tileViews; }
    // nullptr when this board has no such control.
    QWidget* control(Control control) const;
    TileGlide& glide() { return tileGlide; }
    // The picture behind the views; null when none shows.
    const QPixmap& background() const { return backgroundPicture; }
    // Over the tiles while the game is paused; a click on it goes on.
    ClickableLabel* tileCover() const { return cover; }

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
    void coverTiles(bool covered) override;

private:
    void buildViews();
    void buildControls();
    void buildNumberMap();
    void buildCover();
    void showView(int cell, const QPixmap& picture, std::optional<int> tile);
    void nameValues();
    void nameMapLabel(int cell);

    QWidget& window;
    const BoardLayout& layout;
    const PictureShelf& pictures;
    const QtCellSource& cells;
    QTimer& clock;
    TileGlide tileGlide;
    std::vector<TileView*> tileViews;
    std::map<Control, QWidget*> controls;
    std::vector<QLabel*> numberMap;
    ClickableLabel* cover;
    QPixmap backgroundPicture;
};

} // namespace pintu
