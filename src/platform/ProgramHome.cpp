// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramHome.h"

#include <cstdlib>
#include <system_error>

namespace platform {
namespace fs = std::filesystem;

namespace {

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return (value && *value) ? value : nullptr;
}

}  // namespace

fs::path ProgramPath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path("vornextract") : exe;
}

fs::path ProgramHome() {
    return ProgramHomeFor(ProgramPath().parent_path());
}

fs::path ProgramHomeFor(const fs::path& folder) {
    if (const char* home = NonEmptyEnv("VORNEXTRACT_HOME")) {
        return fs::path(home);
    }
    std::error_code ec;
    if (!folder.empty() && fs::is_regular_file(folder / kSettingsFileName, ec)) {
        return folder;
    }
    if (const char* config = NonEmptyEnv("XDG_CONFIG_HOME")) {
        return fs::path(config) / "vornextract";
    }
    const char* userHome = NonEmptyEnv("HOME");
    return fs::path(userHome ? userHome : ".") / ".config" / "vornextract";
}

bool EnsureProgramHome() {
    std::error_code ec;
    fs::path home = ProgramHome();
    fs::create_directories(home, ec);
    return fs::is_directory(home, ec);
}

}  // namespace platform
