#include "platform/qt/pictures/SandboxedPictures.h"

#include "platform/qt/pictures/PictureWire.h"
#include "platform/qt/pictures/ReaderProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

#include <cerrno>

namespace pintu {

namespace {

constexpr const char* readerName = "pintu-picture-reader";
constexpr std::chrono::seconds warmUpDelay(1);

// One picture under way in its reader: the answer's bytes taken as they
// come, the reader's end awaited, and its time watched.
class ReadUnderWay final : public QObject {
public:
    ReadUnderWay(std::unique_ptr<ReaderProcess> reader, const PictureNeeds& needs,
                 std::chrono::milliseconds deadline, PictureSource::Answer answer)
        : reader(std::move(reader)),
          answerReader(needs),
          answerBytes(this->reader->channel(), QSocketNotifier::Read),
          ended(this->reader->endNotice(), QSocketNotifier::Read),
          answer(std::move(answer))
    {
        connect(&answerBytes, &QSocketNotifier::activated, this, [this] { takeAnswerBytes(); });
        connect(&ended, &QSocketNotifier::activated, this, [this] { readerEnded(); });
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this] { finish(std::nullopt); });
        timer.start(deadline);
    }

    // The game no longer waits: the reader goes, and its answer never comes.
    void cancel()
    {
        answer = nullptr;
        stop();
    }

private:
    // Takes what has come until no more is there, the reader has closed its
    // end, or what came can be no answer.
    void takeAnswerBytes()
    {
        for (;;) {
            std::span<char> room = answerReader.room();
            char extra = 0;
            // Past a whole answer, one byte more is enough to refuse it.
            if (room.empty())
                room = {&extra, 1};
            const ssize_t read = ::read(reader->channel(), room.data(), room.size());
            if (read < 0 && errno == EINTR)
                continue;
            if (read < 0) {
                // Nothing more yet, or nothing more to come from a reader gone wrong.
                answerBytes.setEnabled(errno == EAGAIN);
                return;
            }
            if (read == 0 || !answerReader.received(read)) {
                answerBytes.setEnabled(false);
                if (read > 0)
                    finish(std::nullopt);
                return;
            }
        }
    }

    void readerEnded()
    {
        ended.setEnabled(false);
        // What the reader sent before it ended still waits on the socket.
        if (answerBytes.isEnabled())
            takeAnswerBytes();
        finish(reader->endedWell() ? answerReader.answer() : std::nullopt);
    }

    void stop()
    {
        timer.stop();
        answerBytes.setEnabled(false);
        ended.setEnabled(false);
        reader->kill();
    }

    void finish(std::optional<ReadPicture> picture)
    {
        stop();
        if (const PictureSource::Answer given = std::exchange(answer, nullptr))
            given(std::move(picture));
    }

    std::unique_ptr<ReaderProcess> reader;
    AnswerReader answerReader;
    QSocketNotifier answerBytes;
    QSocketNotifier ended;
    QTimer timer;
    PictureSource::Answer answer;
};

// The job goes once the event loop is back, since its answer, which may end
// the read, is given from inside it.
class JobHandle final : public PictureRead {
public:
    explicit JobHandle(ReadUnderWay* job) : job(job) {}
    ~JobHandle() override
    {
        if (job) {
            job->cancel();
            job->deleteLater();
        }
    }

private:
    QPointer<ReadUnderWay> job;
};

} // namespace

SandboxedPictures::SandboxedPictures(std::string program, std::chrono::milliseconds deadline)
    : program(std::move(program)), deadline(deadline)
{
    // Started once the game is up: its libraries would take a core from the
    // game's own start. A read asked for sooner starts one itself.
    warmUp.setSingleShot(true);
    QObject::connect(&warmUp, &QTimer::timeout, [this] {
        if (!waiting)
            waiting = ReaderProcess::start(this->program);
    });
    warmUp.start(warmUpDelay);
}

SandboxedPictures::~SandboxedPictures() = default;

std::unique_ptr<PictureRead> SandboxedPictures::read(QFile& file, const PictureNeeds& needs, Answer answer)
{
    const QByteArray asked = request(needs);
    std::unique_ptr<ReaderProcess> reader = std::exchange(waiting, nullptr);
    // A reader that waited may have gone meanwhile: one started now is the last try.
    if (!reader || !reader->send(asked, file.handle())) {
        reader = ReaderProcess::start(program);
        if (!reader || !reader->send(asked, file.handle())) {
            answer(std::nullopt);
            return nullptr;
        }
    }
    auto* job = new ReadUnderWay(std::move(reader), needs, deadline, std::move(answer));
    waiting = ReaderProcess::start(program);
    return std::make_unique<JobHandle>(job);
}

std::string SandboxedPictures::installedReader()
{
    const QDir games(QCoreApplication::applicationDirPath());
    const QString beside = games.filePath(readerName);
    if (QFile::exists(beside))
        return QFile::encodeName(beside).toStdString();
    return QFile::encodeName(QDir::cleanPath(games.filePath(PINTU_READER_FROM_GAMES))).toStdString();
}

} // namespace pintu
