#include "app/Game.h"

#include "app/board/BoardWindow.h"
#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/MessageBoxes.h"
#include "app/session/KeptGameOffer.h"
#include "app/text/Messages.h"

#include <utility>

namespace pintu {

Game::Game(const GameServices& services)
    : services(services), resolution([this](LayoutSet set) { showMenu(set); }, services.endProgram)
{
    new HelpOffer(&resolution, services.dataFiles);
}

Game::~Game() = default;

void Game::start(std::optional<std::string> picture)
{
    pictureToChoose = std::move(picture);
    if (const auto kept = offerKeptGame(services.keptGames))
        playOn(*kept);
    else
        resolution.show();
}

void Game::playOn(const KeptGame& kept)
{
    // Its menu is built as the resolution window would build it, and shows
    // once the board is left.
    MenuWindow& menu = menuOf(static_cast<LayoutSet>(kept.layoutSet));
    menu.resumeBoard(kept, [this, &menu](bool resumed) {
        if (resumed) {
            choosePendingPicture(menu);
            return;
        }
        // The picture may well come back, on a stick plugged in again: the
        // game waits for it, to be offered at the next start.
        showMessage(nullptr, messages::text(messages::pictureUnreadable));
        resolution.show();
    });
}

void Game::keepGameUnderWay()
{
    for (const MenuWindow* menu : {menuA.get(), menuB.get()}) {
        if (BoardWindow* board = menu ? menu->openBoard() : nullptr)
            board->keepGame();
    }
}

void Game::choosePicture(std::optional<std::string> picture)
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

MenuWindow& Game::menuOf(LayoutSet set)
{
    std::unique_ptr<MenuWindow>& menu = set == LayoutSet::A ? menuA : menuB;
    if (!menu)
        menu = std::make_unique<MenuWindow>(set, services);
    return *menu;
}

void Game::showMenu(LayoutSet set)
{
    MenuWindow& menu = menuOf(set);
    menu.show();
    choosePendingPicture(menu);
}

void Game::choosePendingPicture(MenuWindow& menu)
{
    if (pictureToChoose)
        menu.choosePictureWhenShown(*std::exchange(pictureToChoose, std::nullopt));
}

} // namespace pintu
