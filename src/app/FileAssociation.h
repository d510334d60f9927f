// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/KeyStore.h"
#include "view/UserInterface.h"

// Opening drawings from the file manager: the program made the default application of
// the ".ce2" drawing type for the current user, the freedesktop way (a desktop entry and a
// MIME package, the MIME database, xdg-mime), and the "集計(&N)" verb recorded on the
// editor's document type in the key store as before.
namespace app {

inline constexpr char kDesktopId[] = "org.vornextract.VornExtract.desktop";
inline constexpr char kDrawingMimeType[] = "application/x-vorn-drawing";

// The folders of the freedesktop specifications, from the environment.
struct DesktopPlaces {
    std::filesystem::path DataHome;               // $XDG_DATA_HOME, ~/.local/share
    std::vector<std::filesystem::path> DataDirs;  // $XDG_DATA_DIRS, /usr/local/share:/usr/share
    std::filesystem::path ConfigHome;             // $XDG_CONFIG_HOME, ~/.config
    static DesktopPlaces FromEnvironment();
};

// The verb's command: the program path (unquoted, CP932) and " \"%1\"".
std::string AssociationCommand(const std::string& programPath);

// Makes the program the user's default for drawings: installs the desktop entry and the
// MIME package under DataHome when no install provides them, updates the MIME database and
// sets the default with xdg-mime; then records what it did, and the verb when the editor's
// document type is in the store. Says "registered" only once xdg-mime answers with this
// program. True then.
bool RegisterAssociation(platform::KeyStore& store, const std::string& programPath,
                         view::UserInterface& ui);

// Undoes what registering did: the files it installed, the default it set (the one before
// comes back), the record, the verb. Says there is no association when there is none.
bool RemoveAssociation(platform::KeyStore& store, view::UserInterface& ui);

}  // namespace app
