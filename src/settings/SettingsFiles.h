// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ProgramHome.h"
#include "settings/IniFile.h"
#include "settings/OptionValues.h"
#include "settings/WindowLayout.h"

// The two settings files of the main window: the program settings file in the program's
// home (geometry, layout, program-wide options) and the folder settings file of the same
// name in the drawings' folder (what belongs to that folder). When that folder is the home,
// both are one file.
namespace settings {

inline constexpr const char* kSettingsFileName = platform::kSettingsFileName;

std::filesystem::path ProgramSettingsPath();
// The folder settings file of `folder` (the drawings' folder).
std::filesystem::path FolderSettingsPath(const std::filesystem::path& folder);

// The default conversion folder: the program's home as CP932 text, no trailing separator.
std::string DefaultCvtDir();

// Everything of the main window that the settings files hold.
struct TSettingsState {
    TOptionValues& Options;
    TWindowLayout& Layout;
    std::string& DataDir;                 // CP932
    std::string& PreFile;                 // CP932
    const std::filesystem::path& Folder;  // where the folder settings file lies
    // False while no drawing was read: a folder settings file then goes nowhere, not into
    // whatever folder the program was started in.
    bool SavesFolderFile = true;
};

// Reads both files into the state. Geometry and column widths keep their current values
// when not stored; options fall back to their fixed defaults. True when PinCvtEnv changed
// state, which asks the window to redraw its net view.
bool LoadSettings(const TSettingsState& state);

// Writes both files (the folder settings file only when SavesFolderFile). Returns the files that
// could not be written, each once (both names may denote one file); nothing of a failed file's
// block is written.
std::vector<std::filesystem::path> SaveSettings(const TSettingsState& state);

// Check marks of the name groups from section "NameGroup" (default checked).
void LoadGroupChecks(const TIniFile& file, std::vector<NameGroupItem>& groups);
// The mark of one group, from a folder settings file; an index out of range is ignored.
void LoadGroupCheck(std::vector<NameGroupItem>& groups, std::size_t index,
                    const TIniFile& folderFile);
void SaveGroupChecks(TIniFile& file, const std::vector<NameGroupItem>& groups);

// A stored radio group index as the group takes it: at or above the item count selects
// the last item; below 0 gives `def`.
int RadioIndex(int stored, int itemCount, int def);

}  // namespace settings
