// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "library/LibList.h"
#include "platform/KeyStore.h"
#include "view/UserInterface.h"

// Finding the editor's libraries and reading the two library formats into a TLibList.
namespace library {

// Relative names (".\vorn.ini", the libraries the editor's settings name) are taken in
// `folder`, the drawings' folder.

// The editor's settings file: "vorn.ini" in `folder` when there is one,
// else the one in the folder of the editor's open command (or of this program when the
// command is not registered). When neither exists the user is told once and none is
// returned.
std::optional<std::filesystem::path> LocateEditorSettings(const std::filesystem::path& folder,
                                                          view::UserInterface& ui,
                                                          const platform::KeyStore& store);

// The folder of an open command's program, ending in a backslash, followed by
// "vorn.ini". A quoted program path is taken without its quotes and arguments.
std::string SettingsPathFromCommand(std::string_view command);

// Keys LIB0..LIB15 of section "Library" (missing keys give empty names).
std::array<std::string, kLibrarySlots> ReadLibraryNames(const std::filesystem::path& ini);

// Locates the settings, clears the list and reads every slot's library; false when the
// settings file was not found (the list then stays empty).
bool LoadLibraries(TLibList& list, const std::filesystem::path& folder, view::UserInterface& ui,
                   const platform::KeyStore& store);

// One slot's library by the name in FileNames[slot]. Failures are told to the user; the
// symbols read before a failure stay.
void ReadLibFile(TLibList& list, int slot, const std::filesystem::path& folder,
                 view::UserInterface& ui);
void ReadLb3File(TLibList& list, int slot, const std::filesystem::path& folder,
                 view::UserInterface& ui);

}  // namespace library
