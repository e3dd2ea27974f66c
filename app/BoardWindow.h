#pragma once

#include "BoardLayouts.h"
#include "GameServices.h"
#include "QtCellSource.h"
#include "Screen.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace pintu {

class Board;
class SmallBoard;
class TileView;

// A board window of any size and either layout set, built from its layout
// row; the game itself is the board logic behind it.
class BoardWindow final : public QWidget, public BoardScreen {
    Q_OBJECT
public:
    BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services);
    ~BoardWindow() override;

    // Loads the board, then shows it unless the load sent the player back to the menu.
    void open();

    const BoardLayout& layout() const { return formLayout; }
    const Board& logic() const { return *game; }
    QPixmap background() const { return backgroundPicture; }

    using QWidget::setEnabled;
    using QWidget::setVisible;

    void setViewPicture(int cell, PictureHandle picture) override;
    void setViewEnabled(int cell, bool enabled) override;
    void setVisible(Control control, bool visible) override;
    void setEnabled(Control control, bool enabled) override;
    void setCaption(Control control, const std::string& caption) override;
    void setMapVisible(int cell, bool visible) override;
    void setMapCaption(int cell, const std::string& caption) override;
    bool setBackground(const std::string& path) override;
    void setTimerEnabled(bool enabled) override;
    void showMessage(const std::string& text) override;
    std::string askText(const std::string& prompt, const std::string& title) override;
    void unload() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QPushButton* addButton(Control control, const char* name, const char* caption, const TwipRect& rect);
    QLabel* addLabel(Control control, const char* name, const char* caption, const TwipRect& rect);
    void connectHandlers();

    const BoardLayout& formLayout;
    QtCellSource cells;
    std::unique_ptr<Random> random;
    std::unique_ptr<Board> game;
    SmallBoard* smallBoard = nullptr; // the same game, where it has replay and number map

    std::vector<TileView*> views;
    std::vector<QLabel*> numberMap;
    std::map<Control, QWidget*> controls;
    QPixmap backgroundPicture;
    QTimer timer;
    bool unloading = false;
};

} // namespace pintu
