#include "app/menu/DirectoryList.h"

#include "platform/qt/NativeFiles.h"
#include "platform/qt/PathText.h"

#include <QStyle>

#include <filesystem>

namespace pintu {

namespace {

constexpr int indentPerLevel = 2;

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::string before = current;
        if (setPath(item->data(Qt::UserRole).toByteArray().toStdString()) && current != before)
            emit pathChanged();
    });
}

bool DirectoryList::setPath(const std::string& path)
{
    const std::string folder = absolutePath(path);
    if (!isOpenableFolder(folder))
        return false;
    current = folder;
    clear();

    std::vector<std::filesystem::path> ancestors{current};
    while (ancestors.back().has_relative_path())
        ancestors.push_back(ancestors.back().parent_path());
    int depth = 0;
    for (auto ancestor = ancestors.rbegin(); ancestor != ancestors.rend(); ++ancestor) {
        // The root shows as "/", every other folder by its own name.
        const std::string name = ancestor->has_filename() ? ancestor->filename().native() : ancestor->native();
        addFolder(shownName(name), ancestor->native(), depth++, true);
    }
    setCurrentRow(count() - 1);

    for (const FolderEntry& sub : folderEntries(current, EntryKind::Folder))
        addFolder(sub.shown, (std::filesystem::path(current) / sub.name).native(), depth, false);
    return true;
}

void DirectoryList::addFolder(const QString& name, const std::string& path, int depth, bool open)
{
    auto* item = new QListWidgetItem(QString(depth * indentPerLevel, ' ') + name, this);
    item->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    item->setData(Qt::UserRole, QByteArray::fromStdString(path));
}

} // namespace pintu
