// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace support {

// A fresh folder for one test, removed with everything in it afterwards. The current
// directory (which reading a drawing changes) is restored as well.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Creates a sub-folder and returns its path.
    std::string MakeDir(const std::string& name) const;

  private:
    std::filesystem::path path_;
    std::filesystem::path previousCwd_;
};

}  // namespace support
