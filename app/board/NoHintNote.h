#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QLabel;
class QWidget;

namespace pintu {

class TileView;

// H on a board that offers no hint, or when none was found, says so for a
// moment, beside the tiles, rather than doing nothing.
class NoHintNote final : public QObject {
    Q_OBJECT
public:
    // `words` say why there is none.
    NoHintNote(QWidget* window, const std::vector<TileView*>& views, const QString& words);

    void show();

private:
    QLabel* note;
    QTimer shown;
};

} // namespace pintu
