#include "app/menu/MenuCommands.h"

#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/RecordsWindow.h"
#include "app/menu/MenuWindow.h"
#include "app/menu/PictureDialog.h"
#include "app/text/KeyTable.h"
#include "app/text/Messages.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>

namespace pintu {

MenuCommands::MenuCommands(MenuWindow* menu, const DataFiles& dataFiles, RecordBook* records)
    : QObject(menu), menu(menu), help(new HelpOffer(menu, dataFiles)), records(new RecordsOffer(menu, records))
{
    connect(addShortcut(menu, KeyCommand::OpenPicture), &QShortcut::activated, this, &MenuCommands::openPicture);
    // The lists leave their right-clicks to the window, so one menu serves them all.
    menu->installEventFilter(this);
}

bool MenuCommands::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    QMenu choices(menu);
    // Opened once the right-click menu has closed.
    connect(choices.addAction(messages::text(messages::openPictureEntry)), &QAction::triggered, this,
            &MenuCommands::openPicture, Qt::QueuedConnection);
    records->addEntry(choices);
    help->addEntry(choices);
    choices.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

void MenuCommands::openPicture()
{
    if (const auto path = askForPicture(menu, menu->pictureFolder()))
        menu->choosePicture(*path);
}

} // namespace pintu
