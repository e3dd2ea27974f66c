#include "genius/MakeBoard.h"

#include "board/SmallBoard.h"
#include "genius/GeniusBoard.h"

namespace pintu {

MadeBoard makeBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath)
{
    switch (size.kind) {
    case BoardKind::Logged:
        return {std::make_unique<SmallBoard>(size, platform, std::move(picturePath))};
    case BoardKind::Genius: {
        auto genius = std::make_unique<GeniusBoard>(platform, std::move(picturePath));
        GeniusBoard* named = genius.get();
        return {std::move(genius), named};
    }
    }
    return {};
}

} // namespace pintu
