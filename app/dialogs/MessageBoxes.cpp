#include "app/dialogs/MessageBoxes.h"

#include "app/text/Messages.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace pintu {

namespace {

QMessageBox* newMessage(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, messages::text(messages::applicationTitle), text, QMessageBox::Ok, parent);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse); // a record that could not be saved can be copied
    return box;
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    const std::unique_ptr<QMessageBox> box(newMessage(parent, text));
    box->exec();
}

QMessageBox* openMessage(QWidget* parent, const QString& text)
{
    QMessageBox* box = newMessage(parent, text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return box;
}

bool askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, messages::text(messages::applicationTitle), question, QMessageBox::NoButton, parent);
    // Texts of our own: Qt's translated Yes and No carry keyboard marks, "是(&Y)".
    QPushButton* yes = box.addButton(messages::text(messages::yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(messages::text(messages::no), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
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
