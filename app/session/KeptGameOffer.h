#pragma once

#include <functional>

namespace pintu {

class KeptGameStore;
struct KeptGame;

// Offers the game an earlier run left under way, before any window shows.
// "是" hands it to `playOn`, which opens its board and says whether it shows;
// a picture that cannot be read is said so, and the game stays kept, to be
// offered again at the next start. "否" forgets it. True when its board shows.
bool offerKeptGame(KeptGameStore* keptGames, const std::function<bool(const KeptGame&)>& playOn);

} // namespace pintu
