#pragma once

#include <QObject>

namespace pintu {

struct DataFiles;
class HelpOffer;
class MenuWindow;
class RecordBook;
class RecordsOffer;

// What the menu offers a player who looks beyond its buttons: Ctrl+O, or
// "打开图片…" in the right-click menu, opens any picture through the
// desktop's file dialog; F4, or "成绩…", the player's records; F1, or "帮助",
// the help.
class MenuCommands final : public QObject {
    Q_OBJECT
public:
    MenuCommands(MenuWindow* menu, const DataFiles& dataFiles, RecordBook* records);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openPicture();

    MenuWindow* menu;
    HelpOffer* help;
    RecordsOffer* records;
};

} // namespace pintu
