#include "app/session/KeptGameOffer.h"

#include "app/dialogs/MessageBoxes.h"
#include "app/text/Messages.h"
#include "resume/KeptGameStore.h"

namespace pintu {

bool offerKeptGame(KeptGameStore* keptGames, const std::function<bool(const KeptGame&)>& playOn)
{
    const auto kept = keptGames ? keptGames->read() : std::nullopt;
    if (!kept)
        return false;
    if (!askYesNo(nullptr, messages::text(messages::continueKeptGame))) {
        keptGames->forget();
        return false;
    }
    if (playOn(*kept))
        return true;
    // The picture may well come back, on a stick plugged in again: the game
    // waits for it, to be offered at the next start.
    showMessage(nullptr, messages::text(messages::pictureUnreadable));
    return false;
}

} // namespace pintu
