// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Links.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinksFollowed = 40;

fs::path Resolved(const fs::path& path) {
    std::error_code ec;
    fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? fs::absolute(path, ec).lexically_normal() : resolved;
}

bool IsLink(const fs::path& path) {
    std::error_code ec;
    return fs::is_symlink(path, ec);
}

}  // namespace

std::optional<fs::path> LinkDestination(const fs::path& path) {
    if (!IsLink(path)) {
        return std::nullopt;
    }
    std::error_code ec;
    fs::path current = fs::absolute(path, ec);
    // A live link resolves whole at once; a dangling one is taken a step at a time, since
    // its last name is left as written by the resolution of the folders before it.
    for (int followed = 0; followed < kMaxLinksFollowed && IsLink(current); ++followed) {
        fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            break;
        }
        current = Resolved(next.is_absolute() ? next : current.parent_path() / next);
    }
    return current;
}

bool LiesInside(const fs::path& path, const fs::path& folder) {
    fs::path relative = Resolved(path).lexically_relative(Resolved(folder));
    return !relative.empty() && *relative.begin() != ".." && relative != ".";
}

}  // namespace platform
