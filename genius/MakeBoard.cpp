#include "MakeBoard.h"

#include "GeniusBoard.h"
#include "SmallBoard.h"

namespace pintu {

std::unique_ptr<Board> makeBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath)
{
    switch (size.kind) {
    case BoardKind::Logged:
        return std::make_unique<SmallBoard>(size, platform, std::move(picturePath));
    case BoardKind::Genius:
        return std::make_unique<GeniusBoard>(platform, std::move(picturePath));
    }
    return nullptr;
}

} // namespace pintu
