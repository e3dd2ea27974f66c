#pragma once

#include "records/RecordBook.h"

#include <QDialog>

class QMenu;
class QTextBrowser;

namespace pintu {

// The player's records: for each board size the wins, the fewest steps, the
// best time and the win that came closest to its shortest way, then the
// latest wins. It waits over the window that asked for it; Escape or the
// close box closes it, and a game below goes on.
class RecordsWindow final : public QDialog {
    Q_OBJECT
public:
    // `trouble` says what went wrong with the file, `damagedPath` where a
    // damaged one went.
    RecordsWindow(const Records& records, RecordBook::Trouble trouble, const QString& damagedPath, QWidget* parent);

    QString text() const;

private:
    QTextBrowser* page;
};

// The records as a window offers them: F4 anywhere in it, and "成绩…" in its
// right-click menus. Without a book there are no records to show.
class RecordsOffer final : public QObject {
    Q_OBJECT
public:
    RecordsOffer(QWidget* window, RecordBook* book);

    void addEntry(QMenu& menu) const;
    void open() const;

private:
    QWidget* window;
    RecordBook* book;
};

} // namespace pintu
