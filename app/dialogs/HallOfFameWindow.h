#pragma once

#include "genius/HallOfFame.h"

#include <QDialog>

#include <string>

class QPlainTextEdit;

namespace pintu {

class Files;

// The hall of fame, newest win first, read afresh every time it opens; of a
// huge file only the newest lines, each cut short past a length.
class HallOfFameWindow final : public QDialog {
    Q_OBJECT
public:
    HallOfFameWindow(const Files& files, const std::string& path, QWidget* parent);

    QString text() const;

    // What the viewer adds to the records, in the player's language.
    static ViewerMarks marks();

private:
    void load(const Files& files, const std::string& path);

    QPlainTextEdit* records;
};

} // namespace pintu
