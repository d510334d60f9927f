// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "app/MainWindowState.h"

// Editing a conversion table file in the user's text editor: the pieces the window runs
// around the wait, which it does on a worker thread.
namespace app {

enum class EditedTable { EachNames, CommonNames, Makers, Footprints, PinCvt };

// The table's file: the per-drawing names in the current directory, the others in the
// conversion folder the tables were read from.
std::filesystem::path EditedTableFile(const MainWindowState& state, EditedTable table);

// Before the editor opens a name list's file, the pending changes of both name lists are
// written, so the file holds what the views show.
void PrepareTableEdit(MainWindowState& state, EditedTable table);

// Runs `editor` (found on PATH when it has no folder) with `file` as its one argument and
// waits until it ends; -1 at once when it cannot be started, else its exit status. Blocks:
// meant for a worker thread.
int RunEditorAndWait(const std::string& editor, const std::filesystem::path& file);

// Reloads the table from its file into its view, whether or not the editor changed it.
void ReloadEditedTable(MainWindowState& state, EditedTable table);

}  // namespace app
