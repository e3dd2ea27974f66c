#include "app/board/BoardKeeper.h"

#include "resume/KeptGameStore.h"

#include <QCoreApplication>

#include <utility>

namespace pintu {

BoardKeeper::BoardKeeper(KeptGameStore& store, const BoardLayout& layout, std::string picturePath,
                         KeptGameListener& listener)
    : store(store), layout(layout), picturePath(std::move(picturePath)), listener(listener)
{
}

void BoardKeeper::keep(const Board::Snapshot& game)
{
    const auto report = [this, ended = std::weak_ptr(gamesEnded), number = *gamesEnded](std::error_code failure) {
        // Told on the store's thread, heard on the window's, where the keeper
        // can only go between two events.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, ended, number, failure] {
                const std::shared_ptr<int> stillKept = ended.lock();
                if (stillKept && *stillKept == number)
                    listener.written(failure);
            },
            Qt::QueuedConnection);
    };
    store.keep({static_cast<int>(layout.set), layout.size, picturePath, game}, report);
}

void BoardKeeper::forget()
{
    ++*gamesEnded;
    store.forget();
    listener.forgotten();
}

} // namespace pintu
