#pragma once

#include <QIODevice>

namespace pintu {

// The first `length` bytes of an open, seekable file, as a device of their
// own: a decoder handed this reads no further, however long the file runs on.
class FilePrefix final : public QIODevice {
public:
    FilePrefix(QIODevice& file, qint64 length);

    bool isSequential() const override { return false; }
    qint64 size() const override { return length; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QIODevice& file;
    qint64 length;
};

} // namespace pintu
