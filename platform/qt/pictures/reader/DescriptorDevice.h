#pragma once

#include <QIODevice>

namespace pintu {

// A file open at `descriptor`, read where each read says rather than where
// the descriptor stands, so that nothing else moves it under a decoder's
// feet. It never closes the descriptor.
class DescriptorDevice final : public QIODevice {
public:
    explicit DescriptorDevice(int descriptor);

    bool isSequential() const override { return false; }
    qint64 size() const override { return fileSize; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    int descriptor;
    qint64 fileSize = 0;
};

} // namespace pintu
