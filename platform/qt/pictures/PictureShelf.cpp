#include "platform/qt/pictures/PictureShelf.h"

#include <QFile>
#include <QCursor>
#include <QGuiApplication>

namespace pintu {

PictureShelf::PictureShelf(PictureSource& source) : source(source) {}

PictureShelf::~PictureShelf()
{
    preparing.reset();
    probing.reset();
    showBusy();
}

void PictureShelf::prepare(const std::string& path, const PictureNeeds& needs, QObject* waiting,
                           std::function<void()> then)
{
    const auto stamp = fileStamp(path);
    if (held && stamp && held->path == path && held->stamp == *stamp && held->needs == needs) {
        preparing.reset();
        showBusy();
        then();
        return;
    }
    // Asked again while the same read goes on: the later caller waits for it.
    if (preparing && stamp && preparing->path == path && preparing->stamp == *stamp && preparing->needs == needs) {
        preparing->waiting = waiting;
        preparing->then = [then = std::move(then)](std::optional<ReadPicture>) { then(); };
        return;
    }
    if (!startReading(preparing, path, needs, true, waiting,
                      [then](std::optional<ReadPicture>) { then(); })) {
        forget(path);
        then();
    }
}

void PictureShelf::probe(const std::string& path, QObject* waiting, std::function<void(bool readable)> answer)
{
    if (!startReading(probing, path, PictureNeeds{}, false, waiting,
                      [answer](std::optional<ReadPicture> picture) { answer(picture.has_value()); }))
        answer(false);
}

void PictureShelf::letGo(const QObject* waiting)
{
    for (std::optional<Reading>* slot : {&preparing, &probing})
        if (*slot && (*slot)->waiting == waiting)
            slot->reset();
    showBusy();
}

const ReadPicture* PictureShelf::find(const std::string& path) const
{
    return held && held->path == path ? &held->picture : nullptr;
}

bool PictureShelf::startReading(std::optional<Reading>& slot, const std::string& path, const PictureNeeds& needs,
                                bool shelved, QObject* waiting, Then then)
{
    slot.reset();
    QFile file;
    const auto stamp = openForReading(file, path) ? fileStamp(file) : std::nullopt;
    if (!stamp) {
        showBusy();
        return false;
    }
    const std::uint64_t ticket = ++tickets;
    slot.emplace(Reading{ticket, path, *stamp, needs, shelved, waiting, std::move(then), nullptr});
    showBusy();
    // A source may answer before it returns, and the answer empties the slot.
    std::unique_ptr<PictureRead> read = source.read(file, needs, [this, &slot, ticket](std::optional<ReadPicture> picture) {
        finish(slot, ticket, std::move(picture));
    });
    if (slot && slot->ticket == ticket)
        slot->read = std::move(read);
    return true;
}

void PictureShelf::finish(std::optional<Reading>& slot, std::uint64_t ticket, std::optional<ReadPicture> picture)
{
    if (!slot || slot->ticket != ticket)
        return;
    Reading done = std::move(*slot);
    slot.reset();
    showBusy();
    if (done.shelved && picture)
        held = Shelved{done.path, done.stamp, done.needs, *picture};
    else if (done.shelved)
        forget(done.path);
    if (done.waiting)
        done.then(std::move(picture));
}

void PictureShelf::forget(const std::string& path)
{
    if (held && held->path == path)
        held.reset();
}

void PictureShelf::showBusy()
{
    const bool reading = preparing || probing;
    if (reading == busy || !qGuiApp)
        return;
    busy = reading;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace pintu
