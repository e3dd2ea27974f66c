#pragma once

#include <QObject>

namespace pintu {

struct DataFiles;
class HelpOffer;
class MenuWindow;

// What the menu offers a player who looks beyond its buttons: Ctrl+O, or
// "打开图片…" in the right-click menu, opens any picture through the
// desktop's file dialog; F1, or "帮助", the help.
class MenuCommands final : public QObject {
    Q_OBJECT
public:
    MenuCommands(MenuWindow* menu, const DataFiles& dataFiles);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openPicture();

    MenuWindow* menu;
    HelpOffer* help;
};

} // namespace pintu
