#pragma once

#include <QListWidget>

#include <string>

namespace pintu {

// The "*.bmp" files of one folder, whatever the case of their ending, by
// name. Paths and names are the system's bytes; each shows decoded.
class FileList final : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    std::string path() const { return folder; }
    void setPath(const std::string& path);
    // Selects the file `name` of the folder shown. A picture that came some
    // other way than through the list (dropped, named on the command line)
    // joins the list until another folder is shown.
    void choose(const std::string& name);
    // The selected file, or "" when none is selected.
    std::string fileName() const;

private:
    QListWidgetItem* addFile(const std::string& name, const QString& shown);

    std::string folder;
};

} // namespace pintu
