#pragma once

#include <QListWidget>

namespace pintu {

// The "*.bmp" files of one folder, whatever the case of their ending, by name.
class FileList final : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    QString path() const { return folder; }
    void setPath(const QString& path);
    // Selects the file `name` of the folder shown. A picture that came some
    // other way than through the list (dropped, named on the command line)
    // joins the list until another folder is shown.
    void choose(const QString& name);
    // The selected file, or "" when none is selected.
    QString fileName() const;

private:
    QString folder;
};

} // namespace pintu
