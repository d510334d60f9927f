// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>

namespace support {

TempDir::TempDir() : previousCwd_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vornextract-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(previousCwd_, ec);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::MakeDir(const std::string& name) const {
    std::filesystem::create_directories(path_ / name);
    return (path_ / name).string();
}

}  // namespace support
