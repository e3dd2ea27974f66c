#pragma once

#include "app/board/BoardKeeper.h"

#include <QObject>
#include <QString>

#include <system_error>
#include <vector>

class QLabel;
class QWidget;

namespace pintu {

class TileView;

// A game that cannot be kept says so beside the board, once a game, until
// a write of it reaches the disk again.
class UnkeptGameNote final : public QObject, public KeptGameListener {
    Q_OBJECT
public:
    UnkeptGameNote(QWidget* window, const std::vector<TileView*>& views);

    void written(std::error_code failure) override;
    void forgotten() override;

private:
    const std::vector<TileView*>& views;
    QLabel* note;
    bool said = false;
};

// Why a write failed: a few words in the player's language for the failures
// a player can mend, the system's own words for any other.
QString writeFailureReason(std::error_code failure);

} // namespace pintu
