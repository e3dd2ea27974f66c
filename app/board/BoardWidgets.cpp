#include "app/board/BoardWidgets.h"

#include "app/board/TileView.h"
#include "app/look/ClickableLabel.h"
#include "app/look/Colours.h"
#include "app/look/Fonts.h"
#include "app/text/AccessibleNames.h"
#include "platform/qt/pictures/PictureShelf.h"
#include "platform/qt/pictures/QtCellSource.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace pintu {

namespace {

constexpr double creditFontPoints = 15.75;
constexpr const char* pausedText = QT_TRANSLATE_NOOP("pintu::BoardWindow", "已暂停\n按 P 或点一下继续");
constexpr const char* coverStyle = "QLabel { background: #3c3c46; color: white; }";
constexpr double coverFontPoints = 14.25;

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The layout table marks its captions for translation as the board window's.
QString caption(const char* text)
{
    return QCoreApplication::translate("pintu::BoardWindow", text);
}

// The step count and its caption keep their boxes; the other labels fit their text.
bool sizesToText(Control control)
{
    return control == Control::Credit || control == Control::ClockCaption || control == Control::Clock;
}

} // namespace

BoardWidgets::BoardWidgets(QWidget& window, const BoardLayout& layout, const PictureShelf& pictures,
                           const QtCellSource& cells, QTimer& clock, std::chrono::milliseconds glideDuration)
    : window(window), layout(layout), pictures(pictures), cells(cells), clock(clock), tileGlide(&window, glideDuration)
{
    // Created in this order, which is also their stacking order.
    buildViews();
    buildControls();
    buildNumberMap();
    buildCover();
}

void BoardWidgets::buildViews()
{
    for (int k = 0; k < layout.size->cells; ++k) {
        auto* view = new TileView(&window, k / layout.size->side, k % layout.size->side);
        view->setObjectName(QString(tileViewName).arg(k));
        view->setGeometry(pixels(layout.tile(k)));
        tileViews.push_back(view);
    }
}

void BoardWidgets::buildControls()
{
    for (const BoardControl& design : boardControls) {
        const auto place = layout.place(design.control);
        if (!place)
            continue;
        QWidget* widget = nullptr;
        if (design.isButton) {
            widget = new QPushButton(caption(design.caption), &window);
        } else {
            auto* label = new ClickableLabel(caption(design.caption), &window);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
        }
        if (design.spokenName)
            widget->setAccessibleName(caption(design.spokenName));
        widget->setObjectName(design.objectName);
        widget->setGeometry(pixels(*place));
        controls[design.control] = widget;
    }
    // The step buttons only appear with auto-solve.
    for (const Control hidden : {Control::StepBack, Control::StepForward})
        setVisible(hidden, false);
    QWidget* credit = controls.at(Control::Credit);
    credit->setFont(designedKaiFont(creditFontPoints));
    setTextColour(credit, fromBgr(red));
    for (const auto& [control, widget] : controls) {
        if (sizesToText(control))
            widget->adjustSize();
    }
    nameValues();
}

void BoardWidgets::buildNumberMap()
{
    const auto& map = layout.numberMap;
    if (!map)
        return;
    for (int k = 0; k < layout.size->cells; ++k) {
        auto* label = new QLabel("L", &window);
        label->setObjectName(QString(numberMapLabelName).arg(k));
        if (map->fontPoints > 0)
            label->setFont(songFont(map->fontPoints));
        label->move(pixels(map->left + numberMapSpacing * (k % layout.size->side)),
                    pixels(map->top + numberMapSpacing * (k / layout.size->side)));
        label->adjustSize();
        label->hide();
        numberMap.push_back(label);
        nameMapLabel(k);
    }
}

void BoardWidgets::buildCover()
{
    // The words lie on the cover, which takes the clicks, as wide as it is.
    cover = new ClickableLabel(&window);
    cover->setObjectName("pauseCover");
    cover->setStyleSheet(coverStyle);
    cover->setGeometry(tileArea(tileViews));
    cover->setAccessibleName(caption(pausedText));
    auto* words = new QLabel(caption(pausedText), cover);
    words->setAlignment(Qt::AlignCenter);
    words->setFont(songFont(coverFontPoints));
    words->setAttribute(Qt::WA_TransparentForMouseEvents);
    words->setGeometry(cover->rect());
    cover->hide();
}

QWidget* BoardWidgets::control(Control control) const
{
    const auto found = controls.find(control);
    return found == controls.end() ? nullptr : found->second;
}

void BoardWidgets::showTile(int cell, int tile)
{
    showView(cell, cells.tile(tile), tile);
}

void BoardWidgets::showEmpty(int cell)
{
    showView(cell, QPixmap(), std::nullopt);
}

void BoardWidgets::showView(int cell, const QPixmap& picture, std::optional<int> tile)
{
    TileView* view = tileViews.at(cell);
    if (tileGlide.destination() == view)
        tileGlide.land();
    view->setTile(picture, tile);
}

void BoardWidgets::slideTile(int from, int to)
{
    const QPixmap tile = tileViews.at(from)->picture();
    tileViews.at(to)->setTile(tile, tileViews.at(from)->tile());
    tileViews.at(from)->setTile(QPixmap(), std::nullopt);
    tileGlide.start(tile, tileViews.at(from)->geometry(), tileViews.at(to));
}

void BoardWidgets::setViewEnabled(int cell, bool enabled)
{
    tileViews.at(cell)->setEnabled(enabled);
}

void BoardWidgets::setVisible(Control which, bool visible)
{
    if (QWidget* widget = control(which))
        widget->setVisible(visible);
}

void BoardWidgets::setEnabled(Control which, bool enabled)
{
    if (QWidget* widget = control(which))
        widget->setEnabled(enabled);
}

void BoardWidgets::setCaption(Control control, const std::string& caption)
{
    QWidget* widget = controls.at(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qText(caption));
        if (sizesToText(control))
            label->adjustSize();
        nameValues();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(qText(caption));
    }
}

// A screen reader hears the step count and the clock together with their captions.
void BoardWidgets::nameValues()
{
    const std::pair<Control, Control> captionedValues[] = {
        {Control::Steps, Control::StepsCaption},
        {Control::Clock, Control::ClockCaption},
    };
    for (const auto& [value, caption] : captionedValues) {
        auto* label = static_cast<QLabel*>(controls.at(value));
        const auto* captionLabel = static_cast<const QLabel*>(controls.at(caption));
        const QString name = valueAccessibleName(captionLabel->text(), label->text());
        if (label->accessibleName() != name)
            label->setAccessibleName(name);
    }
}

void BoardWidgets::setMapVisible(int cell, bool visible)
{
    if (cell < static_cast<int>(numberMap.size()))
        numberMap[cell]->setVisible(visible);
}

void BoardWidgets::setMapCaption(int cell, const std::string& caption)
{
    if (cell < static_cast<int>(numberMap.size())) {
        numberMap[cell]->setText(qText(caption));
        numberMap[cell]->adjustSize();
        nameMapLabel(cell);
    }
}

void BoardWidgets::nameMapLabel(int cell)
{
    const int side = layout.size->side;
    QLabel* label = numberMap[cell];
    label->setAccessibleName(numberMapAccessibleName(cell / side + 1, cell % side + 1, label->text()));
}

bool BoardWidgets::setBackground(const std::string& path)
{
    if (path.empty()) {
        backgroundPicture = QPixmap();
        window.update();
        return true;
    }
    // The preview read when the picture was chosen shows again after a win,
    // though its file be gone meanwhile: it is the picture the player saw.
    const ReadPicture* read = pictures.find(path);
    const QPixmap shown = read ? QPixmap::fromImage(read->preview) : QPixmap();
    if (shown.isNull()) // memory that ran out gives a null pixmap
        return false;
    backgroundPicture = shown;
    window.update();
    return true;
}

void BoardWidgets::coverTiles(bool covered)
{
    if (covered) {
        // A tile still gliding would show above the cover.
        tileGlide.land();
        cover->raise();
    }
    cover->setVisible(covered);
}

void BoardWidgets::setTimerEnabled(bool enabled)
{
    if (enabled)
        clock.start();
    else
        clock.stop();
}

} // namespace pintu
