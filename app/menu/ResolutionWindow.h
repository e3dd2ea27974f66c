#pragma once

#include "app/look/BoardLayouts.h"

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
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void start();

    std::function<void(LayoutSet)> showMenu;
    std::function<void()> endProgram;
    std::array<QRadioButton*, 2> choices;
    QPushButton* startButton;
};

} // namespace pintu
