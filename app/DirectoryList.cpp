#include "DirectoryList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace pintu {

namespace {

constexpr int indentPerLevel = 2;

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString before = current;
        if (setPath(item->data(Qt::UserRole).toString()) && current != before)
            emit pathChanged();
    });
}

bool DirectoryList::setPath(const QString& path)
{
    const QFileInfo folder(path);
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable())
        return false;
    current = QDir::cleanPath(folder.absoluteFilePath());
    clear();

    QStringList ancestors;
    for (QDir dir(current); ; ) {
        ancestors.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& ancestor : ancestors) {
        const QString name = ancestor == "/" ? ancestor : QFileInfo(ancestor).fileName();
        addFolder(name, ancestor, depth++, true);
    }
    setCurrentRow(count() - 1);

    const QDir dir(current);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addFolder(name, dir.filePath(name), depth, false);
    return true;
}

void DirectoryList::addFolder(const QString& name, const QString& path, int depth, bool open)
{
    auto* item = new QListWidgetItem(QString(depth * indentPerLevel, ' ') + name, this);
    item->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    item->setData(Qt::UserRole, path);
}

} // namespace pintu
