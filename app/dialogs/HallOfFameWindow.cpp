#include "app/dialogs/HallOfFameWindow.h"

#include "app/dialogs/MessageBoxes.h"
#include "app/look/Fonts.h"
#include "app/look/WindowLayouts.h"
#include "app/text/Messages.h"
#include "genius/HallOfFame.h"
#include "platform/Files.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace pintu {

ViewerMarks HallOfFameWindow::marks()
{
    return {
        tr("……（以下从略）").toStdString(),
        [](std::int64_t earlier) {
            // The count only picks the plural form, which a count past int's range no longer changes.
            const int plural = static_cast<int>(std::min<std::int64_t>(earlier, INT_MAX));
            return tr("……另有 %1 行更早的记录没有显示", nullptr, plural).arg(earlier).toStdString();
        },
    };
}

HallOfFameWindow::HallOfFameWindow(const Files& files, const std::string& path, QWidget* parent) : QDialog(parent)
{
    using Names = HallOfFameControlNames;
    setWindowTitle(tr("光荣榜"));
    setFixedSize(pixels(hallOfFameLayout.client));

    auto* exitButton = new QPushButton(tr("退出"), this);
    exitButton->setObjectName(Names::exit);
    exitButton->setGeometry(pixels(hallOfFameLayout.exit));
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    records = new QPlainTextEdit(this);
    records->setObjectName(Names::records);
    records->setGeometry(pixels(hallOfFameLayout.records));
    records->setAccessibleName(windowTitle());
    records->setFont(designedSongFont(12));
    records->setLineWrapMode(QPlainTextEdit::NoWrap);
    records->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    records->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabOrder(exitButton, records);

    load(files, path);
}

QString HallOfFameWindow::text() const
{
    return records->toPlainText();
}

void HallOfFameWindow::load(const Files& files, const std::string& path)
{
    if (!files.exists(path))
        return;
    const auto tail = files.readLastLines(path, hallOfFameShownLines, hallOfFameLineLength);
    if (!tail) {
        showMessage(this, messages::text(messages::hallOfFameUnreadable));
        return;
    }
    // Every line ends in CR LF; the text box wants one break per line.
    QString shown = QString::fromStdString(newestFirst(*tail, marks()));
    shown.replace("\r\n", "\n");
    // The text box also starts a new line at these, which would show one
    // record as two; they show as U+FFFD instead, like bytes that are not GB18030.
    for (const char16_t breaking : {u'\u2028', u'\u2029', u'\uFDD0', u'\uFDD1'})
        shown.replace(QChar(breaking), QChar::ReplacementCharacter);
    records->setPlainText(shown);
}

} // namespace pintu
