#include "MenuWindow.h"

#include "BoardWindow.h"
#include "ClickableLabel.h"
#include "Colours.h"
#include "DirectoryList.h"
#include "DriveList.h"
#include "FileList.h"
#include "Fonts.h"
#include "HallOfFameWindow.h"
#include "MessageBoxes.h"
#include "OptionColours.h"

#include <QCloseEvent>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

namespace pintu {

namespace {

constexpr int tickMilliseconds = 100;
constexpr const char* noFileChosen = "没有选择文件！";
constexpr std::array<const char*, 4> difficulties{"简单", "普通", "较难", "天才"};

template <typename Widget>
Widget* place(Widget* widget, const char* name, const TwipRect& rect, const QFont& font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    widget->setGeometry(pixels(rect));
    return widget;
}

// A label that sizes itself to its caption from the corner the layout gives it.
ClickableLabel* addLabel(QWidget* parent, const char* name, const char* caption, const TwipRect& rect,
                         const QFont& font, unsigned colour = systemColour)
{
    auto* label = place(new ClickableLabel(QString::fromUtf8(caption), parent), name, rect, font);
    if (colour != systemColour)
        setTextColour(label, fromBgr(colour));
    label->adjustSize();
    return label;
}

} // namespace

MenuWindow::MenuWindow(LayoutSet set, const GameServices& services) : menu(menuLayout(set)), services(services)
{
    setWindowTitle("开始");
    buildControls();
    if (menu.placement)
        setGeometry(pixels(*menu.placement));
    setFixedSize(pixels(menu.client));

    // The folder pintu was started in, or the nearest one that can be read.
    for (const QString& start : {QDir::currentPath(), QDir::homePath(), QDir::rootPath()}) {
        if (dir1->setPath(start))
            break;
    }
    file1->setPath(dir1->path());
    drive1->setDriveOf(dir1->path());
    connect(drive1, &DriveList::driveChanged, this, &MenuWindow::drive1_change);
    connect(dir1, &DirectoryList::pathChanged, this, &MenuWindow::Dir1_Change);
    connect(label1, &ClickableLabel::clicked, this, &MenuWindow::form_mousedown);
    connect(label2, &ClickableLabel::clicked, this, &MenuWindow::form_mousedown);
    connect(command1, &QPushButton::clicked, this, &MenuWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &MenuWindow::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &MenuWindow::Command3_Click);
    connect(&timer1, &QTimer::timeout, this, &MenuWindow::Timer1_Timer);
    timer1.start(tickMilliseconds);
    Form_Load();
}

void MenuWindow::buildControls()
{
    const QFont title = kaiFont(72);
    const QFont song9 = songFont(9);
    const QFont song1425 = songFont(14.25);
    const QFont song1575 = songFont(15.75);

    label1 = addLabel(this, "Label1", "拼", menu.label1, title, red);
    label2 = addLabel(this, "Label2", "图", menu.label2, title, 0x00FF00FF);
    label4 = addLabel(this, "Label4", "选择图片：", menu.label4, song1425);
    drive1 = place(new DriveList(this), "Drive1", menu.drive1, song9);
    dir1 = place(new DirectoryList(this), "Dir1", menu.dir1, song9);
    file1 = place(new FileList(this), "File1", menu.file1, song9);
    label7 = addLabel(this, "Label7", "难度选择：", menu.label7, song1575);
    for (int i = 0; i < 4; ++i) {
        option1[i] = place(new QRadioButton(QString::fromUtf8(difficulties[i]), this),
                           qPrintable(QString("Option1_%1").arg(i)), menu.option1[i], song1425);
    }
    option1[0]->setChecked(true);
    command1 = place(new QPushButton("确定", this), "Command1", menu.command1, song9);
    command2 = place(new QPushButton("退出", this), "Command2", menu.command2, song9);
    command3 = place(new QPushButton("光荣榜", this), "Command3", menu.command3, songFont(12));
    addLabel(this, "Label6", "1.0 版  2026年12月", menu.label6, kaiFont(12));
    addLabel(this, "Label5", "程序设计：Tavro", menu.label5, song1575, red);
    addLabel(this, "Label3", "谢谢你来玩拼图！", menu.label3, song1425, 0x00000080);

    // The menu's controls only appear with the reveal.
    for (QWidget* hidden : std::initializer_list<QWidget*>{label4, drive1, dir1, file1, command1, command2})
        hidden->hide();

    QWidget* previous = drive1;
    for (QWidget* next : std::initializer_list<QWidget*>{dir1, file1, option1[0], option1[1], option1[2], option1[3],
                                                          command1, command2, command3}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void MenuWindow::Form_Load()
{
    label7->hide();
    for (QRadioButton* option : option1)
        option->hide();
    command3->hide();
}

std::string MenuWindow::pictureFolder() const
{
    return file1->path().toStdString();
}

std::string MenuWindow::pictureFileName() const
{
    return file1->fileName().toStdString();
}

MenuWindow::~MenuWindow()
{
    delete board.data(); // a board still open refers to this menu
}

BoardWindow* MenuWindow::openBoard() const
{
    return board;
}

void MenuWindow::show()
{
    QWidget::show();
    raise();
    activateWindow();
}

void MenuWindow::setHallOfFameButtonVisible(bool visible)
{
    command3->setVisible(visible);
}

void MenuWindow::mousePressEvent(QMouseEvent*)
{
    form_mousedown();
}

void MenuWindow::closeEvent(QCloseEvent* event)
{
    // The close box leaves the game as "退出" does.
    event->accept();
    if (!ending)
        Command2_Click();
}

void MenuWindow::form_mousedown()
{
    label1->hide();
    label2->hide();
    for (QWidget* control : std::initializer_list<QWidget*>{label4, dir1, drive1, file1, command1, command2, label7})
        control->show();
    for (QRadioButton* option : option1)
        option->show();
    if (services.files.exists(services.dataFiles.hallOfFame))
        command3->show();
}

void MenuWindow::drive1_change()
{
    if (drive1->drive() == QStorageInfo(dir1->path()).rootPath())
        return; // the volume the folders are on already: no change
    if (dir1->setPath(drive1->drive()))
        Dir1_Change();
    else
        drive1->setDriveOf(dir1->path()); // a volume that cannot be read: back where we were, quietly
}

void MenuWindow::Dir1_Change()
{
    file1->setPath(dir1->path());
    drive1->setDriveOf(dir1->path()); // a folder list can wander onto another volume
}

void MenuWindow::Command1_Click()
{
    if (file1->fileName().isEmpty()) {
        showMessage(this, QString::fromUtf8(noFileChosen));
        return;
    }
    hide();
    for (int difficulty = 0; difficulty < 4; ++difficulty) {
        if (option1[difficulty]->isChecked()) {
            board = new BoardWindow(boardLayout(menu.set, difficulty), *this, services);
            board->open();
        }
    }
}

void MenuWindow::Command2_Click()
{
    ending = true;
    if (services.files.exists(services.dataFiles.moveLog))
        services.files.remove(services.dataFiles.moveLog);
    services.endProgram();
}

void MenuWindow::Command3_Click()
{
    HallOfFameWindow viewer(services.files, services.dataFiles.hallOfFame, this);
    viewer.exec();
}

void MenuWindow::Timer1_Timer()
{
    colourOptions(option1);
}

} // namespace pintu
