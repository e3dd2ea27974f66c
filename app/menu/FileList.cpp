#include "app/menu/FileList.h"

#include "platform/qt/NativeFiles.h"
#include "platform/qt/PathText.h"

namespace pintu {

namespace {

constexpr QByteArrayView bitmapEnding(".bmp");

bool isBitmapName(const std::string& name)
{
    const QByteArrayView bytes(name.data(), static_cast<qsizetype>(name.size()));
    return bytes.size() >= bitmapEnding.size() &&
           bytes.last(bitmapEnding.size()).compare(bitmapEnding, Qt::CaseInsensitive) == 0;
}

std::string nameIn(const QListWidgetItem* item)
{
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setPath(const std::string& path)
{
    folder = path;
    clear();
    for (const FolderEntry& file : folderEntries(path, EntryKind::File)) {
        if (isBitmapName(file.name))
            addFile(file.name, file.shown);
    }
    setCurrentRow(-1);
}

QListWidgetItem* FileList::addFile(const std::string& name, const QString& shown)
{
    auto* item = new QListWidgetItem(shown, this);
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    return item;
}

void FileList::choose(const std::string& name)
{
    QListWidgetItem* item = nullptr;
    for (int row = 0; row < count() && !item; ++row) {
        if (nameIn(this->item(row)) == name)
            item = this->item(row);
    }
    if (!item)
        item = addFile(name, shownName(name));
    setCurrentItem(item);
    scrollToItem(item);
}

std::string FileList::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string() : nameIn(selected.first());
}

} // namespace pintu
