#pragma once

#include "platform/qt/pictures/decoding/RowDecoder.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace pintu {

// Hands a decoder's rows on to `rows` on a thread of its own, so that what is
// done with a row (shrinking it, mostly) goes on beside the decoding of the
// next ones, on another core. A few rows wait between the two.
class RowPipe final : public RowSink {
public:
    RowPipe(RowSink& rows, int rowBytes);
    RowPipe(const RowPipe&) = delete;
    RowPipe& operator=(const RowPipe&) = delete;
    // Waits until every row taken has been handed on.
    ~RowPipe() override;

    // False once `rows` wanted no more, which it may have said some rows ago.
    bool take(int y, const uchar* rgba) override;

private:
    void handOn();

    RowSink& rows;
    int rowBytes;
    std::vector<uchar> ring;
    std::vector<int> ringRows;
    std::mutex mutex;
    std::condition_variable changed;
    long long taken = 0;
    long long handed = 0;
    bool wanting = true;
    bool ending = false;
    int sleeping = 0; // of the two threads
    std::thread worker;
};

} // namespace pintu
