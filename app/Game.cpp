#include "Game.h"

#include "HelpWindow.h"

#include <utility>

namespace pintu {

Game::Game(const GameServices& services)
    : services(services), resolution([this](LayoutSet set) { showMenu(set); }, services.endProgram)
{
    new HelpOffer(&resolution, services.dataFiles);
}

Game::~Game() = default;

void Game::start(std::optional<QString> picture)
{
    pictureToChoose = std::move(picture);
    resolution.show();
}

void Game::choosePicture(std::optional<QString> picture)
{
    if (!picture)
        return;
    if (MenuWindow* chosen = menuA ? menuA.get() : menuB.get())
        chosen->choosePictureWhenShown(*picture);
    else
        pictureToChoose = std::move(picture);
}

MenuWindow* Game::menu(LayoutSet set) const
{
    return set == LayoutSet::A ? menuA.get() : menuB.get();
}

void Game::showMenu(LayoutSet set)
{
    std::unique_ptr<MenuWindow>& menu = set == LayoutSet::A ? menuA : menuB;
    if (!menu)
        menu = std::make_unique<MenuWindow>(set, services);
    menu->show();
    if (pictureToChoose)
        menu->choosePicture(*std::exchange(pictureToChoose, std::nullopt));
}

} // namespace pintu
