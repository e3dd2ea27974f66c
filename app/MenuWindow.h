#pragma once

#include "BoardLayouts.h"
#include "GameServices.h"
#include "Screen.h"
#include "WindowLayouts.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace pintu {

class BoardWindow;
class ClickableLabel;
class DirectoryList;
class DriveList;
class FileList;

// The main menu of one layout set: a title screen, then the picture and
// difficulty controls that open that set's boards.
class MenuWindow final : public QWidget, public MenuScreen {
    Q_OBJECT
public:
    MenuWindow(LayoutSet set, const GameServices& services);
    ~MenuWindow() override;

    std::string pictureFolder() const override;
    std::string pictureFileName() const override;
    void show() override;
    void setHallOfFameButtonVisible(bool visible) override;

    LayoutSet layoutSet() const { return menu.set; }
    // The board this menu opened last, while it is open.
    BoardWindow* openBoard() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void form_mousedown();
    void drive1_change();
    void Dir1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();

    const MenuLayout& menu;
    GameServices services;

    ClickableLabel* label1;
    ClickableLabel* label2;
    QLabel* label4;
    DriveList* drive1;
    DirectoryList* dir1;
    FileList* file1;
    QLabel* label7;
    std::array<QRadioButton*, 4> option1;
    QPushButton* command1;
    QPushButton* command2;
    QPushButton* command3;
    QTimer timer1;
    QPointer<BoardWindow> board;
    bool ending = false;
};

} // namespace pintu
