#pragma once

#include "Screen.h"

#include <optional>
#include <string>

namespace pintu::test {

class FakeMenu final : public MenuScreen {
public:
    std::string pictureFolder() const override { return folder; }
    std::string pictureFileName() const override { return fileName; }
    void show() override { ++shown; }
    void setHallOfFameButtonVisible(bool visible) override { hallOfFameButton = visible; }

    std::string folder = "/pictures";
    std::string fileName = "cat.bmp";
    int shown = 0;
    std::optional<bool> hallOfFameButton;
};

} // namespace pintu::test
