#pragma once

namespace pintu {

// The menu of a board's layout set, as its board window sees it.
class MenuScreen {
public:
    virtual ~MenuScreen() = default;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setHallOfFameButtonVisible(bool visible) = 0;
};

} // namespace pintu
