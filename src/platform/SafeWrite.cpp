// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "platform/InterruptCleanup.h"

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

// mkstemp makes the file 0600 and the user's own; a replaced file keeps its owner where
// this process may set it (as root, or a group the user is in) and its permission bits, a
// new one gets what the user's umask allows. The owner goes first: changing it clears
// set-id bits.
bool TakeOverOwnerAndMode(int fd, const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Not allowed: the file becomes the user's own, as any editor would leave it.
        }
        return ::fchmod(fd, st.st_mode & 07777) == 0;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd, 0666 & ~mask) == 0;
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

// Hands every piece to the descriptor; after a failed piece the rest is not written.
bool ProduceInto(int fd, const std::function<void(const PieceWriter&)>& produce) {
    bool written = true;
    produce([fd, &written](std::string_view piece) { written = written && WriteAll(fd, piece); });
    return written;
}

bool IsStream(const struct stat& st) {
    return S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode);
}

bool NamesStream(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && IsStream(st);
}

// Opened without O_CREAT or O_TRUNC: if the name became a regular file since it was looked
// at, it is not written into.
SaveResult WriteToStream(const fs::path& path,
                         const std::function<void(const PieceWriter&)>& produce) {
    int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return SaveResult::CannotCreate;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !IsStream(st)) {
        ::close(fd);
        return SaveResult::CannotCreate;
    }
    bool written = false;
    try {
        written = ProduceInto(fd, produce);
    } catch (...) {
        ::close(fd);
        throw;
    }
    written = (::close(fd) == 0) && written;
    return written ? SaveResult::Saved : SaveResult::CannotWrite;
}

}  // namespace

OutputTarget OutputTarget::StandardOutput() {
    OutputTarget target(fs::path("-"));
    target.IsStandardOutput = true;
    return target;
}

SaveResult SaveOutputFile(const OutputTarget& target,
                          const std::function<void(const PieceWriter&)>& produce) {
    if (target.IsStandardOutput) {
        return ProduceInto(STDOUT_FILENO, produce) ? SaveResult::Saved : SaveResult::CannotWrite;
    }
    if (NamesStream(target.Path)) {
        return WriteToStream(target.Path, produce);
    }
    return SaveFileAtomically(target.Path, produce);
}

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
    RemoveOnInterrupt removeOnInterrupt(pattern);
    // A failed write leaves the temporary to be removed below.
    bool written = false;
    try {
        written = ProduceInto(fd, produce);
    } catch (...) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throw;
    }
    bool ok = written && TakeOverOwnerAndMode(fd, target) && ::fsync(fd) == 0;
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
