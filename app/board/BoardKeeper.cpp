#include "app/board/BoardKeeper.h"

#include "resume/KeptGameStore.h"

#include <utility>

namespace pintu {

BoardKeeper::BoardKeeper(KeptGameStore& store, const BoardLayout& layout, std::string picturePath)
    : store(store), layout(layout), picturePath(std::move(picturePath))
{
}

void BoardKeeper::keep(const Board::Snapshot& game)
{
    store.keep({static_cast<int>(layout.set), layout.size, picturePath, game});
}

void BoardKeeper::forget()
{
    store.forget();
}

} // namespace pintu
