#include "ResolutionWindow.h"

#include "OptionColours.h"
#include "WindowLayouts.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace pintu {

namespace {

constexpr int tickMilliseconds = 100;

} // namespace

ResolutionWindow::ResolutionWindow(std::function<void(LayoutSet)> showMenu, std::function<void()> endProgram)
    : showMenu(std::move(showMenu)), endProgram(std::move(endProgram))
{
    setWindowTitle("分辨率选择");
    setGeometry(pixels(resolutionLayout.placement));
    setFixedSize(pixels(resolutionLayout.client));

    const std::array<const char*, 2> captions{"640*480", "800*600"};
    for (int i = 0; i < 2; ++i) {
        option1[i] = new QRadioButton(captions[i], this);
        option1[i]->setObjectName(QString("Option1_%1").arg(i));
        option1[i]->setGeometry(pixels(resolutionLayout.option1[i]));
    }
    option1[0]->setChecked(true);
    command1 = new QPushButton("开始", this);
    command1->setObjectName("Command1");
    command1->setGeometry(pixels(resolutionLayout.command1));
    setTabOrder(command1, option1[0]);
    setTabOrder(option1[0], option1[1]);

    connect(command1, &QPushButton::clicked, this, &ResolutionWindow::Command1_Click);
    connect(&timer1, &QTimer::timeout, this, &ResolutionWindow::Timer1_Timer);
    timer1.start(tickMilliseconds);
}

void ResolutionWindow::Command1_Click()
{
    if (option1[0]->isChecked()) {
        hide();
        showMenu(LayoutSet::A);
    }
    if (option1[1]->isChecked()) {
        hide();
        showMenu(LayoutSet::B);
    }
}

void ResolutionWindow::Timer1_Timer()
{
    colourOptions(option1);
}

void ResolutionWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

} // namespace pintu
