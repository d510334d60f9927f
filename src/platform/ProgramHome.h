#pragma once

#include <filesystem>

// Where the program keeps what Windows would keep beside the executable: the program
// settings file, the default conversion folder, the key store.
namespace platform {

// The running executable's full path.
std::filesystem::path ProgramPath();

// The program's home: $VORNEXTRACT_HOME when set; else the executable's folder when it is
// writable; else $XDG_CONFIG_HOME/vornextract (default ~/.config/vornextract). Not created.
std::filesystem::path ProgramHome();

// The home, created when missing; false when it cannot be created.
bool EnsureProgramHome();

}  // namespace platform
