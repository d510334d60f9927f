#include "platform/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace platform {
namespace fs = std::filesystem;

namespace {

// The file a write lands in: the target of a link (so a table shared through a link stays
// shared), else the path itself.
fs::path WriteTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path target = fs::weakly_canonical(path, ec);
        if (!ec) {
            return target;
        }
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// mkstemp makes the file 0600; a new file gets what the user's umask allows instead.
mode_t ModeFor(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// After the rename the folder holds the new name; without this a crash right after could
// bring back the old file.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

SaveResult SaveFileAtomically(const fs::path& path, std::string_view bytes) {
    return SaveFileAtomically(path, [bytes](const PieceWriter& write) { write(bytes); });
}

SaveResult SaveFileAtomically(const fs::path& path,
                              const std::function<void(const PieceWriter&)>& produce) {
    fs::path target = WriteTarget(path);
    // A file the user made read-only stays as it is, as it would where the tables come from.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        return SaveResult::CannotCreate;
    }
    // Only a regular file is replaced: a folder stays, and a device or pipe named as the
    // target (/dev/null, /dev/full) must not become a file under its name.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return SaveResult::CannotCreate;
    }
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return SaveResult::CannotCreate;
    }
    // After a failed piece the rest is not written; the temporary goes below.
    bool written = true;
    try {
        produce(
            [fd, &written](std::string_view piece) { written = written && WriteAll(fd, piece); });
    } catch (...) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throw;
    }
    bool ok = written && ::fchmod(fd, ModeFor(target)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(pattern.c_str(), target.c_str()) == 0) {
        SyncFolder(folder);
        return SaveResult::Saved;
    }
    ::unlink(pattern.c_str());
    return SaveResult::CannotWrite;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    return SaveFileAtomically(path, bytes) == SaveResult::Saved;
}

}  // namespace platform
