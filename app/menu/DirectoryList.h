#pragma once

#include <QListWidget>

#include <string>

namespace pintu {

// The classic folder list: the current folder's ancestors from the root down,
// the folder itself, then its subfolders. A double click or Enter opens one.
// Paths are the system's bytes; each name shows decoded.
class DirectoryList final : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent);

    std::string path() const { return current; }
    // False, with nothing changed, when `path` is not a readable folder.
    bool setPath(const std::string& path);

signals:
    void pathChanged();

private:
    void addFolder(const QString& name, const std::string& path, int depth, bool open);

    std::string current;
};

} // namespace pintu
