#include "HallOfFameWindow.h"

#include "Files.h"
#include "Fonts.h"
#include "HallOfFame.h"
#include "Messages.h"
#include "MessageBoxes.h"
#include "WindowLayouts.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace pintu {

HallOfFameWindow::HallOfFameWindow(const Files& files, const std::string& path, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("光荣榜");
    setFixedSize(pixels(hallOfFameLayout.client));

    auto* command1 = new QPushButton("退出", this);
    command1->setObjectName("Command1");
    command1->setGeometry(pixels(hallOfFameLayout.command1));
    command1->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    text1 = new QPlainTextEdit(this);
    text1->setObjectName("Text1");
    text1->setGeometry(pixels(hallOfFameLayout.text1));
    text1->setFont(songFont(12));
    text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabOrder(command1, text1);

    Form_Load(files, path);
}

QString HallOfFameWindow::text() const
{
    return text1->toPlainText();
}

void HallOfFameWindow::Form_Load(const Files& files, const std::string& path)
{
    if (!files.exists(path))
        return;
    const auto content = files.readText(path);
    if (!content) {
        showMessage(this, QString::fromUtf8(messages::hallOfFameUnreadable));
        return;
    }
    // Every line ends in CR LF; the text box wants one break per line.
    QString shown = QString::fromStdString(newestFirst(*content));
    shown.replace("\r\n", "\n");
    text1->setPlainText(shown);
}

} // namespace pintu
