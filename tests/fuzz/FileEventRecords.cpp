// The records of an inotify queue as the file events read them, handed over through a pipe.
#include "FuzzInput.h"

#include "Platform/Files/FileEvents.h"

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One read takes the whole input, as one read of the queue takes whole records.
    if (size > 4096)
        return 0;
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK) != 0)
        return 0;
    if (size > 0 && ::write(fds[1], data, size) != ssize_t(size)) {
        ::close(fds[0]);
        ::close(fds[1]);
        return 0;
    }
    ::close(fds[1]);
    std::size_t names = 0;
    Platform::FileEvents::readRecords(fds[0], [&names](const Platform::FileEvents::Record& record) {
        names += std::size_t(record.name.size());
    });
    ::close(fds[0]);
    return 0;
}
