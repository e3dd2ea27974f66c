// pintu-picture-reader: reads one picture for the game, locked down. The game
// starts it ahead of need with its socket as descriptor 0 and nothing else
// worth having; it loads its decoders, locks itself down, and waits. Then it
// takes one request and the picture file's descriptor, answers with the
// picture read for the request, and ends. Whatever a file does to a decoder
// here, the game loses at most this picture.
#include "platform/qt/pictures/decoding/DecodePicture.h"
#include "platform/qt/pictures/reader/DescriptorDevice.h"
#include "platform/qt/pictures/reader/Lockdown.h"
#include "platform/qt/pictures/reader/ReaderJob.h"

#include <malloc.h>
#include <sys/prctl.h>

#include <csignal>
#include <cstdlib>

namespace {

enum Ending { Answered, Refused, NoJob, NotLockedDown };

} // namespace

int main()
{
    // A reader outlives no game, even one killed.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Threads share one arena: glibc reads a file of the kernel's the first
    // time a thread's own arena shrinks.
    ::mallopt(M_ARENA_MAX, 1);
    pintu::loadDecoders();
    if (!pintu::lockDown(pintu::readerLimits))
        std::_Exit(NotLockedDown);
    constexpr int channel = 0;
    const auto job = pintu::receiveJob(channel);
    if (!job)
        std::_Exit(NoJob);
    pintu::DescriptorDevice file(job->file);
    const auto picture = pintu::decodePicture(file, job->needs);
    // Ends at once: what the libraries would do on the way out is no
    // business of a process with nothing more to do.
    std::_Exit(picture && pintu::sendAnswer(channel, *picture) ? Answered : Refused);
}
