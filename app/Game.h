#pragma once

#include "app/GameServices.h"
#include "app/look/BoardLayouts.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/ResolutionWindow.h"

#include <memory>
#include <optional>
#include <string>

namespace pintu {

// The windows of one run: the resolution choice first, then the menu of the
// chosen set, built the first time it shows.
class Game {
public:
    explicit Game(const GameServices& services);
    ~Game();

    // Offers the game an earlier run left under way, else opens the first
    // window; `picture`, when given, becomes the chosen picture of the menu
    // as soon as one shows.
    void start(std::optional<std::string> picture = std::nullopt);
    // Keeps the game under way as it stands this moment, for a program
    // about to end unasked.
    void keepGameUnderWay();
    // A second start handed its picture over: it becomes the chosen picture
    // of the menu now, or when the menu next shows; a board's game goes on.
    void choosePicture(std::optional<std::string> picture);

    MenuWindow* menu(LayoutSet set) const;

private:
    // Opens the kept game's board straight away, once its picture is read;
    // else says the picture cannot be read and opens the first window.
    void playOn(const KeptGame& kept);
    MenuWindow& menuOf(LayoutSet set);
    void showMenu(LayoutSet set);
    void choosePendingPicture(MenuWindow& menu);

    GameServices services;
    ResolutionWindow resolution;
    std::unique_ptr<MenuWindow> menuA;
    std::unique_ptr<MenuWindow> menuB;
    std::optional<std::string> pictureToChoose;
};

} // namespace pintu
