#include "app/dialogs/RecordsWindow.h"

#include "app/text/KeyTable.h"
#include "board/NumberText.h"

#include <QMenu>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace pintu {

namespace {

// Fits on the smallest display the game is laid out for, as the help does.
constexpr QSize recordsSize(520, 420);
constexpr int latestShown = 20;

constexpr const char* title = QT_TRANSLATE_NOOP("pintu::RecordsWindow", "拼图成绩");
constexpr const char* entry = QT_TRANSLATE_NOOP("pintu::RecordsWindow", "成绩…");
constexpr const char* nothingWon =
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "还没有赢过一局。拼好一张图片，成绩就记在这里。");
// %1: where the damaged file went.
constexpr const char* damagedSetAside =
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "成绩文件坏了，已原样改名保存为 %1，新的成绩从这里记起。");
constexpr const char* unwritable = QT_TRANSLATE_NOOP("pintu::RecordsWindow", "成绩文件无法写入，最近赢的一局没有记下。");
constexpr const char* bestsTitle = QT_TRANSLATE_NOOP("pintu::RecordsWindow", "各棋盘的最好成绩");
// %1: how many.
constexpr const char* latestTitle = QT_TRANSLATE_NOOP("pintu::RecordsWindow", "最近赢的 %1 局");
constexpr std::array<const char*, 5> bestsHeads{
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "棋盘"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "胜局"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "最少步数"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "最快（秒）"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "最接近最短（步数/最少）"),
};
constexpr std::array<const char*, 5> latestHeads{
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "日期"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "棋盘"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "步数"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "秒"),
    QT_TRANSLATE_NOOP("pintu::RecordsWindow", "最少步数"),
};
constexpr const char* unknown = "—";

QString translated(const char* text)
{
    return QCoreApplication::translate("pintu::RecordsWindow", text);
}

QString boardName(int side)
{
    return QString("%1×%1").arg(side);
}

QString row(const QStringList& cells, const char* tag = "td")
{
    QString html = "<tr>";
    for (const QString& cell : cells)
        html += QString("<%1 align='left'>%2</%1>").arg(tag, cell.toHtmlEscaped());
    return html + "</tr>";
}

QString table(const std::array<const char*, 5>& heads, const QList<QStringList>& rows)
{
    QStringList headCells;
    for (const char* head : heads)
        headCells << translated(head);
    QString html = "<table cellspacing='0' cellpadding='4'>" + row(headCells, "th");
    for (const QStringList& cells : rows)
        html += row(cells);
    return html + "</table>";
}

QString shortestCell(const std::optional<int>& shortest)
{
    return shortest ? QString::number(*shortest) : unknown;
}

QString bests(const Records& records)
{
    QList<QStringList> rows;
    for (const SizeRecord& size : records.sizes) {
        const auto closest = closestToShortest(records, size.side);
        rows << QStringList{boardName(size.side), QString::number(size.wins), QString::number(size.fewestSteps),
                            QString::fromStdString(plainTenths(size.bestTenths)),
                            closest ? QString("%1 / %2").arg(closest->steps).arg(closest->shortest) : unknown};
    }
    return "<h3>" + translated(bestsTitle).toHtmlEscaped() + "</h3>" + table(bestsHeads, rows);
}

QString latest(const Records& records)
{
    const int shown = std::min<int>(latestShown, static_cast<int>(records.wins.size()));
    QList<QStringList> rows;
    for (auto won = records.wins.rbegin(); won != records.wins.rbegin() + shown; ++won) {
        rows << QStringList{QString::fromStdString(won->date), boardName(won->side), QString::number(won->steps),
                            QString::fromStdString(plainTenths(won->tenths)), shortestCell(won->shortest)};
    }
    return "<h3>" + translated(latestTitle).arg(shown).toHtmlEscaped() + "</h3>" + table(latestHeads, rows);
}

QString note(RecordBook::Trouble trouble, const QString& damagedPath)
{
    switch (trouble) {
    case RecordBook::Trouble::DamagedSetAside:
        return "<p>" + translated(damagedSetAside).arg(damagedPath).toHtmlEscaped() + "</p>";
    case RecordBook::Trouble::Unwritable:
        return "<p>" + translated(unwritable).toHtmlEscaped() + "</p>";
    case RecordBook::Trouble::None:
        break;
    }
    return {};
}

} // namespace

RecordsWindow::RecordsWindow(const Records& records, RecordBook::Trouble trouble, const QString& damagedPath,
                             QWidget* parent)
    : QDialog(parent), page(new QTextBrowser(this))
{
    setWindowTitle(translated(title));
    QString html = note(trouble, damagedPath);
    if (records.sizes.empty())
        html += "<p>" + translated(nothingWon).toHtmlEscaped() + "</p>";
    else
        html += bests(records) + latest(records);
    page->setHtml(html);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    resize(recordsSize);
}

QString RecordsWindow::text() const
{
    return page->toPlainText();
}

RecordsOffer::RecordsOffer(QWidget* window, RecordBook* book) : QObject(window), window(window), book(book)
{
    connect(addShortcut(window, KeyCommand::Records), &QShortcut::activated, this, &RecordsOffer::open);
}

void RecordsOffer::addEntry(QMenu& menu) const
{
    // Opened once the right-click menu has closed.
    connect(menu.addAction(translated(entry)), &QAction::triggered, this, &RecordsOffer::open, Qt::QueuedConnection);
}

void RecordsOffer::open() const
{
    const Records records = book ? book->read() : Records{};
    RecordsWindow shown(records, book ? book->trouble() : RecordBook::Trouble::None,
                        book ? QString::fromStdString(book->damagedPath()) : QString(), window);
    shown.exec();
}

} // namespace pintu
