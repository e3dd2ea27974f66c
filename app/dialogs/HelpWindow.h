#pragma once

#include <QDialog>

class QMenu;

namespace pintu {

struct DataFiles;

// How to play, every key (from the key table) and mouse action, the
// difficulties, the hall of fame and the folder that holds the game's files.
// It waits over the window that asked for it; Escape or the close box closes
// it, and the game below goes on as it was.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& dataFolder, QWidget* parent);
};

// The help as a window offers it: F1 anywhere in the window, and "帮助" in
// the window's right-click menus.
class HelpOffer final : public QObject {
    Q_OBJECT
public:
    HelpOffer(QWidget* window, const DataFiles& dataFiles);

    void addEntry(QMenu& menu) const;
    void open() const;

private:
    QWidget* window;
    QString dataFolder;
};

} // namespace pintu
