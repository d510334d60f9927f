#include "platform/ProgramHome.h"

#include <unistd.h>

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
    if (const char* home = NonEmptyEnv("VORNEXTRACT_HOME")) {
        return fs::path(home);
    }
    fs::path folder = ProgramPath().parent_path();
    if (!folder.empty() && ::access(folder.c_str(), W_OK) == 0) {
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
