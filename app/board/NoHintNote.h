#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

class QLabel;
class QWidget;

namespace pintu {

class TileView;

// H on a board that offers no hint says so for a moment, beside the tiles,
// rather than doing nothing.
class NoHintNote final : public QObject {
    Q_OBJECT
public:
    NoHintNote(QWidget* window, const std::vector<TileView*>& views);

    void show();

private:
    QLabel* note;
    QTimer shown;
};

} // namespace pintu
