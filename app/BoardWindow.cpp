#include "BoardWindow.h"

#include "ApplicationSetup.h"
#include "ClickableLabel.h"
#include "Colours.h"
#include "Fonts.h"
#include "GeniusBoard.h"
#include "MessageBoxes.h"
#include "PictureLoader.h"
#include "SmallBoard.h"
#include "TileView.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace pintu {

namespace {

constexpr int tickMilliseconds = 100;
constexpr double creditFontPoints = 15.75;

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The step count and its caption keep their boxes; the other labels fit their text.
bool sizesToText(Control control)
{
    return control == Control::Label3 || control == Control::Label4 || control == Control::Label5;
}

} // namespace

BoardWindow::BoardWindow(const BoardLayout& layout, MenuScreen& menu, const GameServices& services)
    : formLayout(layout),
      cells(layout.size->N, QSize(pixels(layout.columns.length(0)), pixels(layout.rows.length(0)))),
      random(services.newRandom())
{
    setWindowTitle(QString::fromUtf8(applicationTitle));
    setFixedSize(pixels(layout.client));
    if (layout.windowColour != systemColour) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, fromBgr(layout.windowColour));
        setPalette(colours);
    }
    buildControls();

    const BoardPlatform platform{*this, menu, cells, services.files, services.clock, *random, services.dataFiles};
    if (layout.size == &board10x10) {
        game = std::make_unique<GeniusBoard>(platform);
    } else {
        auto small = std::make_unique<SmallBoard>(*layout.size, platform);
        smallBoard = small.get();
        game = std::move(small);
    }
    connectHandlers();

    // The clock ticks from the moment the window exists, as its designer left it running.
    timer.setInterval(tickMilliseconds);
    timer.start();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::buildControls()
{
    const BoardLayout& layout = formLayout;
    for (int k = 0; k < layout.size->T; ++k) {
        auto* view = new TileView(this);
        view->setObjectName(QString("Image1_%1").arg(k));
        view->setGeometry(pixels(layout.tile(k)));
        views.push_back(view);
    }

    addButton(Control::Command1, "Command1", "开始", layout.command1);
    addButton(Control::Command2, "Command2", "退出", layout.command2);
    if (layout.command3) {
        addButton(Control::Command3, "Command3", "自动拼图", *layout.command3);
        addButton(Control::Command4, "Command4", "重新开始", *layout.command3);
        addButton(Control::Command5, "Command5", "上", *layout.command5)->hide();
        addButton(Control::Command6, "Command6", "下", *layout.command6)->hide();
    }
    addLabel(Control::Label1, "Label1", "步数", layout.label1);
    addLabel(Control::Label2, "Label2", "0", layout.label2);
    addLabel(Control::Label4, "Label4", "计时(秒)", layout.label4);
    addLabel(Control::Label5, "Label5", "", layout.label5);
    QLabel* credit = addLabel(Control::Label3, "Label3", "Tavro", layout.label3);
    credit->setFont(kaiFont(creditFontPoints));
    setTextColour(credit, fromBgr(red));
    credit->adjustSize();

    if (const auto& map = layout.numberMap) {
        for (int k = 0; k < layout.size->T; ++k) {
            auto* label = new QLabel("L", this);
            label->setObjectName(QString("Label6_%1").arg(k));
            if (map->fontPoints > 0)
                label->setFont(songFont(map->fontPoints));
            label->move(pixels(map->left + numberMapSpacing * (k % layout.size->N)),
                        pixels(map->top + numberMapSpacing * (k / layout.size->N)));
            label->adjustSize();
            label->hide();
            numberMap.push_back(label);
        }
    }
}

QPushButton* BoardWindow::addButton(Control control, const char* name, const char* caption, const TwipRect& rect)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    button->setGeometry(pixels(rect));
    controls[control] = button;
    return button;
}

QLabel* BoardWindow::addLabel(Control control, const char* name, const char* caption, const TwipRect& rect)
{
    QLabel* label = new ClickableLabel(QString::fromUtf8(caption), this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(pixels(rect));
    if (sizesToText(control))
        label->adjustSize();
    controls[control] = label;
    return label;
}

void BoardWindow::connectHandlers()
{
    Board& board = *game;
    for (int k = 0; k < static_cast<int>(views.size()); ++k)
        connect(views[k], &TileView::clicked, this, [&board, k] { board.image1_Click(k); });
    const auto onClick = [this](Control control, auto handler) {
        connect(static_cast<QPushButton*>(controls.at(control)), &QPushButton::clicked, this, handler);
    };
    onClick(Control::Command1, [&board] { board.Command1_Click(); });
    onClick(Control::Command2, [&board] { board.Command2_Click(); });
    connect(&timer, &QTimer::timeout, this, [&board] { board.Timer1_Timer(); });
    if (SmallBoard* small = smallBoard) {
        onClick(Control::Command3, [small] { small->Command3_Click(); });
        onClick(Control::Command4, [small] { small->Command4_Click(); });
        onClick(Control::Command5, [small] { small->Command5_Click(); });
        onClick(Control::Command6, [small] { small->Command6_Click(); });
        connect(static_cast<ClickableLabel*>(controls.at(Control::Label3)), &ClickableLabel::clicked, this,
                [small] { small->Label3_Click(); });
    }
}

void BoardWindow::open()
{
    game->Form_Load();
    if (!unloading)
        show();
}

void BoardWindow::setViewPicture(int cell, PictureHandle picture)
{
    views.at(cell)->setPicture(cells.pixmap(picture));
}

void BoardWindow::setViewEnabled(int cell, bool enabled)
{
    views.at(cell)->setEnabled(enabled);
}

void BoardWindow::setVisible(Control control, bool visible)
{
    if (const auto found = controls.find(control); found != controls.end())
        found->second->setVisible(visible);
}

void BoardWindow::setEnabled(Control control, bool enabled)
{
    if (const auto found = controls.find(control); found != controls.end())
        found->second->setEnabled(enabled);
}

void BoardWindow::setCaption(Control control, const std::string& caption)
{
    QWidget* widget = controls.at(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qText(caption));
        if (sizesToText(control))
            label->adjustSize();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(qText(caption));
    }
}

void BoardWindow::setMapVisible(int cell, bool visible)
{
    if (cell < static_cast<int>(numberMap.size()))
        numberMap[cell]->setVisible(visible);
}

void BoardWindow::setMapCaption(int cell, const std::string& caption)
{
    if (cell < static_cast<int>(numberMap.size())) {
        numberMap[cell]->setText(qText(caption));
        numberMap[cell]->adjustSize();
    }
}

bool BoardWindow::setBackground(const std::string& path)
{
    if (path.empty()) {
        backgroundPicture = QPixmap();
    } else {
        const auto picture = loadPicture(qText(path));
        if (!picture)
            return false;
        // Only the part inside the window can ever show.
        backgroundPicture = QPixmap::fromImage(picture->copy(QRect(QPoint(0, 0), size()).intersected(picture->rect())));
    }
    update();
    return true;
}

void BoardWindow::setTimerEnabled(bool enabled)
{
    if (enabled)
        timer.start();
    else
        timer.stop();
}

void BoardWindow::showMessage(const std::string& text)
{
    pintu::showMessage(this, qText(text));
}

std::string BoardWindow::askText(const std::string& prompt, const std::string& title)
{
    return pintu::askText(this, qText(prompt), qText(title)).toStdString();
}

void BoardWindow::unload()
{
    unloading = true;
    timer.stop();
    hide();
    deleteLater();
}

void BoardWindow::paintEvent(QPaintEvent*)
{
    if (backgroundPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, backgroundPicture);
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // The close box leaves the board as its own "退出" does.
    event->accept();
    if (!unloading)
        game->Command2_Click();
}

} // namespace pintu
