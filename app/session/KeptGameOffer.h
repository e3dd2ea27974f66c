#pragma once

#include "resume/KeptGame.h"

#include <optional>

namespace pintu {

class KeptGameStore;

// Offers the game an earlier run left under way, before any window shows:
// the game when the player says "是"; nothing when there is none, or when
// the player says "否", which forgets it.
std::optional<KeptGame> offerKeptGame(KeptGameStore* keptGames);

} // namespace pintu
