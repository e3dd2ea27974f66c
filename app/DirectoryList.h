#pragma once

#include <QListWidget>

namespace pintu {

// The classic folder list: the current folder's ancestors from the root down,
// the folder itself, then its subfolders. A double click or Enter opens one.
class DirectoryList final : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent);

    QString path() const { return current; }
    // False, with nothing changed, when `path` is not a readable folder.
    bool setPath(const QString& path);

signals:
    void pathChanged();

private:
    void addFolder(const QString& name, const QString& path, int depth, bool open);

    QString current;
};

} // namespace pintu
