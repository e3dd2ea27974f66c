#include "FileList.h"

#include <QDir>

namespace pintu {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setPath(const QString& path)
{
    folder = path;
    clear();
    QDir dir(path);
    dir.setNameFilters({"*.bmp"}); // name filters ignore case unless told otherwise
    addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCurrentRow(-1);
}

void FileList::choose(const QString& name)
{
    const QList<QListWidgetItem*> listed = findItems(name, Qt::MatchExactly);
    QListWidgetItem* item = listed.isEmpty() ? new QListWidgetItem(name, this) : listed.first();
    setCurrentItem(item);
    scrollToItem(item);
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace pintu
