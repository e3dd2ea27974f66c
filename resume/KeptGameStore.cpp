#include "resume/KeptGameStore.h"

#include "platform/Files.h"

namespace pintu {

KeptGameStore::KeptGameStore(Files& files, std::string path)
    : files(files), path(std::move(path)), writer([this](std::stop_token stop) { write(stop); })
{
}

KeptGameStore::~KeptGameStore() = default;

std::optional<KeptGame> KeptGameStore::read()
{
    settle();
    const auto text = files.readText(path, largestKeptGameText);
    if (!text)
        return std::nullopt;
    auto kept = readKeptGame(*text);
    if (!kept)
        forget();
    return kept;
}

void KeptGameStore::keep(const KeptGame& game, WriteReport report)
{
    ask({keptGameText(game), std::move(report)});
}

void KeptGameStore::forget()
{
    ask({});
}

void KeptGameStore::ask(Job job)
{
    const std::lock_guard lock(guard);
    waiting = std::move(job);
    changed.notify_all();
}

void KeptGameStore::settle()
{
    std::unique_lock lock(guard);
    changed.wait(lock, [this] { return !waiting && !writing; });
}

void KeptGameStore::write(std::stop_token stop)
{
    std::unique_lock lock(guard);
    // A stop still lets the last job asked for reach the disk.
    while (changed.wait(lock, stop, [this] { return waiting.has_value(); })) {
        const Job job = std::move(*waiting);
        waiting.reset();
        writing = true;
        lock.unlock();
        if (job.text) {
            const WriteResult written = files.replaceText(path, *job.text);
            if (job.report)
                job.report(written.error);
        } else if (files.exists(path)) {
            files.remove(path);
        }
        lock.lock();
        writing = false;
        changed.notify_all();
    }
}

} // namespace pintu
