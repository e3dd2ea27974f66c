#include "app/dialogs/HelpWindow.h"

#include "app/text/KeyTable.h"
#include "app/text/Messages.h"
#include "board/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pintu {

namespace {

// Fits on the smallest display the game is laid out for.
constexpr QSize helpSize(520, 420);

QString heading(const QString& title)
{
    return "<h3>" + title.toHtmlEscaped() + "</h3>";
}

QString section(const QString& title, const QString& lines)
{
    QString html = heading(title) + "<ul>";
    for (const QString& line : lines.split('\n'))
        html += "<li>" + line.toHtmlEscaped() + "</li>";
    return html + "</ul>";
}

QString section(const messages::HelpSection& part)
{
    return section(messages::text(part.title), messages::text(part.lines));
}

QString keyTable()
{
    QString html = heading(messages::text(messages::helpKeysTitle)) + "<table cellspacing='4'>";
    for (const KeyBinding& key : keyBindings) {
        html += "<tr><td><b>" + QString::fromUtf8(key.name).toHtmlEscaped() + "</b></td><td>" +
                QCoreApplication::translate("pintu::KeyTable", key.meaning).toHtmlEscaped() + "</td></tr>";
    }
    return html + "</table>";
}

QString helpPage(const QString& dataFolder)
{
    QString html = section(messages::helpPlaying) + keyTable();
    for (const messages::HelpSection& part : messages::helpMore)
        html += section(part);
    return html + section(messages::text(messages::helpFiles.title),
                          messages::text(messages::helpFiles.lines).arg(QDir::toNativeSeparators(dataFolder)));
}

} // namespace

HelpWindow::HelpWindow(const QString& dataFolder, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(messages::text(messages::helpTitle));
    auto* page = new QTextBrowser(this);
    page->setHtml(helpPage(dataFolder));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    resize(helpSize);
}

HelpOffer::HelpOffer(QWidget* window, const DataFiles& dataFiles)
    : QObject(window),
      window(window),
      dataFolder(QFileInfo(QString::fromStdString(dataFiles.hallOfFame)).absolutePath())
{
    connect(addShortcut(window, KeyCommand::Help), &QShortcut::activated, this, &HelpOffer::open);
}

void HelpOffer::addEntry(QMenu& menu) const
{
    // Opened once the right-click menu has closed.
    connect(menu.addAction(messages::text(messages::helpEntry)), &QAction::triggered, this, &HelpOffer::open,
            Qt::QueuedConnection);
}

void HelpOffer::open() const
{
    HelpWindow help(dataFolder, window);
    help.exec();
}

} // namespace pintu
