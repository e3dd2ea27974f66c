#include "app/menu/ResolutionWindow.h"

#include "app/look/OptionColours.h"
#include "app/look/WindowLayouts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace pintu {

ResolutionWindow::ResolutionWindow(std::function<void(LayoutSet)> showMenu, std::function<void()> endProgram)
    : showMenu(std::move(showMenu)), endProgram(std::move(endProgram))
{
    using Names = ResolutionControlNames;
    setWindowTitle(tr("分辨率选择"));
    setGeometry(pixels(resolutionLayout.placement));
    setFixedSize(pixels(resolutionLayout.client));

    const std::array<const char*, 2> captions{"640*480", "800*600"};
    for (int i = 0; i < 2; ++i) {
        choices[i] = new QRadioButton(captions[i], this);
        choices[i]->setObjectName(QString(Names::choice).arg(i));
        choices[i]->setGeometry(pixels(resolutionLayout.choices[i]));
    }
    choices[0]->setChecked(true);
    markSelection(choices);
    startButton = new QPushButton(tr("开始"), this);
    startButton->setObjectName(Names::start);
    startButton->setGeometry(pixels(resolutionLayout.start));
    setTabOrder(startButton, choices[0]);
    setTabOrder(choices[0], choices[1]);
    // A player who just presses Enter gets the default display.
    startButton->setFocus();

    connect(startButton, &QPushButton::clicked, this, &ResolutionWindow::start);
}

void ResolutionWindow::start()
{
    if (choices[0]->isChecked()) {
        hide();
        showMenu(LayoutSet::A);
    }
    if (choices[1]->isChecked()) {
        hide();
        showMenu(LayoutSet::B);
    }
}

bool ResolutionWindow::focusNextPrevChild(bool next)
{
    // Qt's Tab reaches only the chosen button of a group; here it visits
    // "开始" and both choices in turn.
    const std::array<QWidget*, 3> order{startButton, choices[0], choices[1]};
    const auto current = std::find(order.begin(), order.end(), focusWidget());
    const int from = current == order.end() ? 0 : static_cast<int>(current - order.begin());
    const int to = (from + (next ? 1 : 2)) % 3;
    order[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void ResolutionWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter starts wherever the focus is, as a dialog's default button would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        start();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ResolutionWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

} // namespace pintu
