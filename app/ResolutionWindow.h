#pragma once

#include "BoardLayouts.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QPushButton;
class QRadioButton;

namespace pintu {

// The first window: which display the screens are laid out for.
class ResolutionWindow final : public QWidget {
    Q_OBJECT
public:
    ResolutionWindow(std::function<void(LayoutSet)> showMenu, std::function<void()> endProgram);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Timer1_Timer();

    std::function<void(LayoutSet)> showMenu;
    std::function<void()> endProgram;
    std::array<QRadioButton*, 2> option1;
    QPushButton* command1;
    QTimer timer1;
};

} // namespace pintu
