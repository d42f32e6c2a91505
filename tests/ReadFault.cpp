// The test executable's own read() takes the place of the C library's for every caller,
// Qt included; it passes through to the system call unless a fault is armed for the
// file that the descriptor names.
#include "ReadFault.h"

#include <cerrno>
#include <climits>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::string faultFileName;
size_t faultAfter = 0;
size_t delivered = 0;

bool isFaultFile(int fd)
{
    if (faultFileName.empty())
        return false;
    char link[PATH_MAX];
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(procPath.c_str(), link, sizeof link - 1);
    if (length <= 0)
        return false;
    const std::string target(link, static_cast<size_t>(length));
    return target.size() >= faultFileName.size() &&
           target.compare(target.size() - faultFileName.size(), faultFileName.size(),
                          faultFileName) == 0;
}

} // namespace

void armReadFault(const std::string& fileName, size_t bytesBeforeFault)
{
    faultFileName = fileName;
    faultAfter = bytesBeforeFault;
    delivered = 0;
}

void disarmReadFault()
{
    faultFileName.clear();
}

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    if (isFaultFile(fd)) {
        if (delivered >= faultAfter) {
            errno = EIO;
            return -1;
        }
        count = std::min(count, faultAfter - delivered);
        const ssize_t got = ::syscall(SYS_read, fd, buffer, count);
        if (got > 0)
            delivered += static_cast<size_t>(got);
        return got;
    }
    return ::syscall(SYS_read, fd, buffer, count);
}
