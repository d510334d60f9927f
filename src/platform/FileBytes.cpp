#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    std::optional<std::string> content;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        content.emplace();
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
    }
    ::close(fd);
    return content;
}

}  // namespace platform
