#include "Game.h"

namespace pintu {

Game::Game(const GameServices& services)
    : services(services), form0([this](LayoutSet set) { showMenu(set); }, services.endProgram)
{
}

Game::~Game() = default;

void Game::start()
{
    form0.show();
}

MenuWindow* Game::menu(LayoutSet set) const
{
    return set == LayoutSet::A ? form1.get() : form11.get();
}

void Game::showMenu(LayoutSet set)
{
    std::unique_ptr<MenuWindow>& menu = set == LayoutSet::A ? form1 : form11;
    if (!menu)
        menu = std::make_unique<MenuWindow>(set, services);
    menu->show();
}

} // namespace pintu
