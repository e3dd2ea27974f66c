#pragma once

#include "app/look/BoardLayouts.h"
#include "board/GameKeeper.h"

#include <memory>
#include <string>
#include <system_error>

namespace pintu {

class KeptGameStore;

// Hears, on the window's thread, how the keeping of a window's game goes.
class KeptGameListener {
public:
    virtual ~KeptGameListener() = default;

    // A write of the game under way: no error when it reached the disk.
    virtual void written(std::error_code failure) = 0;
    // The game has ended: nothing of it is kept any more.
    virtual void forgotten() = 0;
};

// Keeps a board window's game in the store together with what it takes to
// open that window again: its layout set, its size and its picture.
class BoardKeeper final : public GameKeeper {
public:
    BoardKeeper(KeptGameStore& store, const BoardLayout& layout, std::string picturePath,
                KeptGameListener& listener);

    void keep(const Board::Snapshot& game) override;
    void forget() override;

private:
    KeptGameStore& store;
    const BoardLayout& layout;
    std::string picturePath;
    KeptGameListener& listener;
    // Counts the games ended, so that how a write of an ended game went is
    // heard by no one. The store's reports only hold it weakly: they may
    // outlive the keeper.
    std::shared_ptr<int> gamesEnded = std::make_shared<int>(0);
};

} // namespace pintu
