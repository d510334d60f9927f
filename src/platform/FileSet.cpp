// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSet.h"

#include <sys/stat.h>

#include <optional>

namespace platform {
namespace {

std::optional<std::pair<dev_t, ino_t>> IdentityOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return std::make_pair(st.st_dev, st.st_ino);
}

}  // namespace

void FileSet::Add(const std::filesystem::path& path) {
    if (auto identity = IdentityOf(path)) {
        files_.insert(*identity);
    }
}

bool FileSet::Contains(const std::filesystem::path& path) const {
    auto identity = IdentityOf(path);
    return identity && files_.contains(*identity);
}

}  // namespace platform
