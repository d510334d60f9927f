// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <utility>

namespace platform {

// Files told apart by what they are rather than by how they are named: a link, a hard link
// and a relative name of one file are that one file. A file is known by its device and
// inode, taken when it is added, so later moves between folders do not change it.
class FileSet {
  public:
    // A name that names no file adds nothing.
    void Add(const std::filesystem::path& path);
    // True when `path` (links followed) is a file that was added.
    bool Contains(const std::filesystem::path& path) const;

  private:
    std::set<std::pair<dev_t, ino_t>> files_;
};

}  // namespace platform
