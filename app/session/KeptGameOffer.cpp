#include "app/session/KeptGameOffer.h"

#include "app/dialogs/MessageBoxes.h"
#include "app/text/Messages.h"
#include "resume/KeptGameStore.h"

namespace pintu {

std::optional<KeptGame> offerKeptGame(KeptGameStore* keptGames)
{
    auto kept = keptGames ? keptGames->read() : std::nullopt;
    if (kept && !askYesNo(nullptr, messages::text(messages::continueKeptGame))) {
        keptGames->forget();
        return std::nullopt;
    }
    return kept;
}

} // namespace pintu
