#include "platform/qt/pictures/decoding/RowPipe.h"

#include <cstring>

namespace pintu {

namespace {

constexpr long long ringRowCount = 32;

} // namespace

RowPipe::RowPipe(RowSink& rows, int rowBytes)
    : rows(rows),
      rowBytes(rowBytes),
      ring(static_cast<size_t>(ringRowCount) * static_cast<size_t>(rowBytes)),
      ringRows(ringRowCount),
      worker([this] { handOn(); })
{}

RowPipe::~RowPipe()
{
    {
        const std::lock_guard lock(mutex);
        ending = true;
    }
    changed.notify_all();
    worker.join();
}

bool RowPipe::take(int y, const uchar* rgba)
{
    std::unique_lock lock(mutex);
    if (wanting && taken - handed == ringRowCount) {
        ++sleeping;
        changed.wait(lock, [this] { return !wanting || taken - handed < ringRowCount; });
        --sleeping;
    }
    if (!wanting)
        return false;
    const auto slot = static_cast<size_t>(taken % ringRowCount);
    lock.unlock();
    // The worker reads no slot before it is counted taken.
    std::memcpy(&ring[slot * static_cast<size_t>(rowBytes)], rgba, static_cast<size_t>(rowBytes));
    ringRows[slot] = y;
    lock.lock();
    ++taken;
    // Each side wakes the other only when it sleeps: a wake for every row
    // would cost more than the rows.
    if (sleeping > 0)
        changed.notify_all();
    return true;
}

void RowPipe::handOn()
{
    std::unique_lock lock(mutex);
    for (;;) {
        if (handed == taken && !ending) {
            ++sleeping;
            changed.wait(lock, [this] { return handed < taken || ending; });
            --sleeping;
        }
        if (handed == taken)
            return;
        const auto slot = static_cast<size_t>(handed % ringRowCount);
        lock.unlock();
        // Only this thread turns `wanting` false: it may read it unlocked.
        const bool more = wanting && rows.take(ringRows[slot], &ring[slot * static_cast<size_t>(rowBytes)]);
        lock.lock();
        ++handed;
        wanting = wanting && more;
        if (sleeping > 0)
            changed.notify_all();
    }
}

} // namespace pintu
