// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// Where writing through `path` would land when it is a symbolic link: its destination with
// every link on the way followed, a dangling one included (then the name writing would
// create). None when `path` is no link.
std::optional<std::filesystem::path> LinkDestination(const std::filesystem::path& path);

// True when `path` lies below `folder`, compared after following the links of both.
bool LiesInside(const std::filesystem::path& path, const std::filesystem::path& folder);

}  // namespace platform
