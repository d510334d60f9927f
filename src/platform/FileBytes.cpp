// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

int OpenRegularForReading(const std::filesystem::path& path, ReadOpen& status) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        status = (errno == ENOENT || errno == ENOTDIR) ? ReadOpen::Missing : ReadOpen::NotReadable;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        status = ReadOpen::NotReadable;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    status = ReadOpen::Opened;
    return fd;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    ReadOpen status{};
    int fd = OpenRegularForReading(path, status);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> content(std::in_place);
    char buffer[64 * 1024];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            content.reset();
            break;
        }
        if (n == 0) {
            break;
        }
        content->append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

}  // namespace platform
