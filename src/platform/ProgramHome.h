// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// Where the program keeps what Windows would keep beside the executable: the program
// settings file, the default conversion folder, the key store.
namespace platform {

// The running executable's full path.
std::filesystem::path ProgramPath();

// The program settings file's name, in the home.
inline constexpr const char* kSettingsFileName = "vornextract.INI";

// The program's home: $VORNEXTRACT_HOME when set; else the executable's folder when it
// already holds the settings file (a portable copy); else $XDG_CONFIG_HOME/vornextract
// (default ~/.config/vornextract). An installed program never writes beside itself.
// Not created.
std::filesystem::path ProgramHome();
// The same for a program in `programFolder`.
std::filesystem::path ProgramHomeFor(const std::filesystem::path& programFolder);

// The home, created when missing; false when it cannot be created.
bool EnsureProgramHome();

}  // namespace platform
