#include "platform/qt/pictures/reader/ReaderJob.h"

#include "platform/qt/pictures/PictureWire.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace pintu {

namespace {

bool sendAll(int channel, const char* bytes, qint64 count)
{
    while (count > 0) {
        const ssize_t sent = ::send(channel, bytes, static_cast<size_t>(count), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes += sent;
        count -= sent;
    }
    return true;
}

bool sendAll(int channel, const QImage& image)
{
    return image.isNull() ||
           sendAll(channel, reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

} // namespace

std::optional<ReaderJob> receiveJob(int channel)
{
    std::array<char, requestBytes> bytes{};
    iovec part{bytes.data(), bytes.size()};
    // Room for more descriptors than the one expected, so that extra ones are seen, and closed.
    alignas(cmsghdr) std::array<char, CMSG_SPACE(4 * sizeof(int))> control{};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();
    ssize_t received = 0;
    do
        received = ::recvmsg(channel, &message, MSG_CMSG_CLOEXEC | MSG_WAITALL);
    while (received < 0 && errno == EINTR);
    std::vector<int> files;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level != SOL_SOCKET || header->cmsg_type != SCM_RIGHTS)
            continue;
        for (size_t at = 0; CMSG_LEN((at + 1) * sizeof(int)) <= header->cmsg_len; ++at) {
            int descriptor = -1;
            std::memcpy(&descriptor, CMSG_DATA(header) + at * sizeof(int), sizeof descriptor);
            files.push_back(descriptor);
        }
    }
    const auto needs = received == requestBytes && !(message.msg_flags & MSG_CTRUNC)
                           ? parseRequest(std::span<const char, requestBytes>(bytes))
                           : std::nullopt;
    if (needs && files.size() == 1)
        return ReaderJob{*needs, files.front()};
    for (const int descriptor : files)
        ::close(descriptor);
    return std::nullopt;
}

bool sendAnswer(int channel, const ReadPicture& picture)
{
    const QByteArray head = answerHead(picture);
    return sendAll(channel, head.constData(), head.size()) && sendAll(channel, picture.preview) &&
           sendAll(channel, picture.tiles);
}

} // namespace pintu
