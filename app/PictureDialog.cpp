#include "PictureDialog.h"

#include "Messages.h"

#include <QFileDialog>
#include <QImageReader>

namespace pintu {

namespace {

// Every format Qt has a reader for, as name patterns. Both cases, because
// some desktops' dialogs match patterns case by case and cameras write ".JPG".
QString picturePatterns()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        patterns << "*." + suffix << "*." + suffix.toUpper();
    }
    return patterns.join(' ');
}

} // namespace

std::optional<QString> askForPicture(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QString::fromUtf8(messages::openPictureTitle), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({QString::fromUtf8(messages::pictureFilesFilter).arg(picturePatterns()),
                           QString::fromUtf8(messages::allFilesFilter)});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace pintu
