#pragma once

#include "app/look/BoardLayouts.h"
#include "board/GameKeeper.h"

#include <string>

namespace pintu {

class KeptGameStore;

// Keeps a board window's game in the store together with what it takes to
// open that window again: its layout set, its size and its picture.
class BoardKeeper final : public GameKeeper {
public:
    BoardKeeper(KeptGameStore& store, const BoardLayout& layout, std::string picturePath);

    void keep(const Board::Snapshot& game) override;
    void forget() override;

private:
    KeptGameStore& store;
    const BoardLayout& layout;
    std::string picturePath;
};

} // namespace pintu
