#include "MessageBoxes.h"

#include "ApplicationSetup.h"

#include <QInputDialog>
#include <QMessageBox>

namespace pintu {

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(applicationTitle), text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // a record that could not be saved can be copied
    box.exec();
}

QString askText(QWidget* parent, const QString& prompt, const QString& title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace pintu
