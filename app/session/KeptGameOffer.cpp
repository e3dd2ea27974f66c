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
    if (askYesNo(nullptr, messages::text(messages::continueKeptGame))) {
        if (playOn(*kept))
            return true;
        showMessage(nullptr, messages::text(messages::pictureUnreadable));
    }
    keptGames->forget();
    return false;
}

} // namespace pintu
