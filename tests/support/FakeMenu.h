#pragma once

#include "app/board/MenuScreen.h"

#include <optional>

namespace pintu::test {

class FakeMenu final : public MenuScreen {
public:
    void show() override { ++shown; }
    void hide() override { ++hidden; }
    void setHallOfFameButtonVisible(bool visible) override { hallOfFameButton = visible; }

    int shown = 0;
    int hidden = 0;
    std::optional<bool> hallOfFameButton;
};

} // namespace pintu::test
