// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/KeyStore.h"
#include "view/UserInterface.h"

// The "集計(&N)" verb on the editor's document type, so the file manager offers to open a
// drawing with this program.
namespace app {

// The verb's command: the program path (unquoted, CP932) and " \"%1\"".
std::string AssociationCommand(const std::string& programPath);

// Adds the verb when the editor's document type and its own open command are in the
// store; otherwise says the editor is not registered and writes nothing. Registering again
// writes the current path. True when the verb was written.
bool RegisterAssociation(platform::KeyStore& store, const std::string& programPath,
                         view::UserInterface& ui);

// Removes the verb with its command key when both are there; otherwise says there is no
// association. True when it was removed.
bool RemoveAssociation(platform::KeyStore& store, view::UserInterface& ui);

}  // namespace app
