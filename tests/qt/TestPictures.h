#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace pintu::test {

// A picture whose every pixel tells where it lies: red grows to the right,
// green downwards, blue stays at 96.
QImage positionPicture(int width, int height);

// The colour at the centre of cell k of an N x N cut of a position picture.
QColor cellCentreColour(int k, int N);

bool looksLike(const QColor& seen, const QColor& expected, int tolerance = 14);

// A folder of its own for one test: pictures, data files, whatever it writes.
class TestFolder {
public:
    TestFolder();

    QString path() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }
    QString writeBitmap(const QString& name, const QImage& image) const;
    QString writeBytes(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir;
};

} // namespace pintu::test
