// A picture reader that misbehaves on request, for the tests of the game's
// side: locked down as the real one, it takes the game's request and does
// as the width of its preview area says instead of reading the picture.
// After a call its filter forbids, it answers as a good reader would: an
// answer shows that the call went through.
#include "platform/qt/pictures/PictureWire.h"
#include "platform/qt/pictures/reader/Lockdown.h"
#include "platform/qt/pictures/reader/ReaderJob.h"
#include "tests/platform/qt/pictures/reader/Misbehaviour.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

using pintu::test::Misbehaviour;

pintu::ReadPicture goodAnswer(const pintu::PictureNeeds& needs)
{
    const QSize size(64, 48);
    pintu::ReadPicture picture{size, QImage(needs.previewSize(size), QImage::Format_RGB32),
                               QImage(needs.tilesSize(), QImage::Format_RGB32)};
    picture.preview.fill(Qt::gray);
    picture.tiles.fill(Qt::gray);
    return picture;
}

void misbehave(Misbehaviour misbehaviour)
{
    char* const nothing[] = {nullptr};
    switch (misbehaviour) {
    case Misbehaviour::OpensAFile:
        ::open("/etc/hostname", O_RDONLY);
        break;
    case Misbehaviour::MakesASocket:
        ::socket(AF_INET, SOCK_STREAM, 0);
        break;
    case Misbehaviour::RunsAProgram:
        ::execve("/nonexistent", nothing, nothing);
        break;
    case Misbehaviour::WatchesAProcess:
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        break;
    case Misbehaviour::Hangs:
        for (;;)
            ::sleep(1);
    case Misbehaviour::Crashes:
        std::raise(SIGSEGV);
        break;
    default:
        break;
    }
}

} // namespace

int main()
{
    if (!pintu::lockDown(pintu::readerLimits))
        return EXIT_FAILURE;
    constexpr int channel = 0;
    const auto job = pintu::receiveJob(channel);
    if (!job)
        return EXIT_FAILURE;
    const auto misbehaviour = static_cast<Misbehaviour>(job->needs.previewArea.width());
    misbehave(misbehaviour);
    pintu::ReadPicture answer = goodAnswer(job->needs);
    if (misbehaviour == Misbehaviour::AnswersTooLittle) {
        // The head of the whole answer, then all of it but its tiles.
        const QByteArray head = pintu::answerHead(answer);
        const bool sent = ::write(channel, head.constData(), static_cast<size_t>(head.size())) == head.size() &&
                          ::write(channel, answer.preview.constBits(),
                                  static_cast<size_t>(answer.preview.sizeInBytes())) == answer.preview.sizeInBytes();
        std::_Exit(sent ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    const bool sent = pintu::sendAnswer(channel, answer) &&
                      (misbehaviour != Misbehaviour::AnswersTooMuch || ::write(channel, "!", 1) == 1);
    std::_Exit(sent ? EXIT_SUCCESS : EXIT_FAILURE);
}
