#include "app/menu/PictureDialog.h"

#include "app/text/Messages.h"
#include "platform/qt/PathText.h"
#include "platform/qt/pictures/PictureSuffixes.h"

#include <QDir>
#include <QFileDialog>

namespace pintu {

namespace {

// Every format the game reads, as name patterns. Both cases, because some
// desktops' dialogs match patterns case by case and cameras write ".JPG".
QString picturePatterns()
{
    QStringList patterns;
    for (const QByteArray& format : pictureSuffixes()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        patterns << "*." + suffix << "*." + suffix.toUpper();
    }
    return patterns.join(' ');
}

} // namespace

std::optional<std::string> askForPicture(QWidget* parent, const std::string& folder)
{
    // A folder whose name Qt cannot hold opens the dialog in the home folder.
    QFileDialog dialog(parent, messages::text(messages::openPictureTitle), qtPath(folder).value_or(QDir::homePath()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({messages::text(messages::pictureFilesFilter).arg(picturePatterns()),
                           messages::text(messages::allFilesFilter)});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return std::nullopt;
    // The URL carries the file's bytes, whatever they are.
    return localFile(dialog.selectedUrls().first());
}

} // namespace pintu
