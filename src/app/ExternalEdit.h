// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/MainWindowState.h"

// Editing a conversion table file in the user's text editor: the pieces the window runs
// around the wait, which it does on a worker thread.
namespace app {

enum class EditedTable { EachNames, CommonNames, Makers, Footprints, PinCvt };

// The table's file: the per-drawing names in the drawings' folder, the others in the
// conversion folder the tables were read from.
std::filesystem::path EditedTableFile(const MainWindowState& state, EditedTable table);

// Before the editor opens a name list's file, the pending changes of both name lists are
// written, so the file holds what the views show.
void PrepareTableEdit(MainWindowState& state, EditedTable table);

// The editor setting (UTF-8) as a command for `file`: its words (double quotes keep blanks
// in one) with each "%1" replaced by the file, or the file added when none holds "%1"
// ("gedit --wait %1", "xterm -e vi %1", "/usr/bin/mousepad"). Empty for an empty setting.
std::vector<std::string> EditorCommand(const std::string& editor,
                                       const std::filesystem::path& file);

// Whether the setting names a program that can be run here (NOTEPAD.EXE, the setting's
// default from the platform the drawings come from, cannot).
bool EditorAvailable(const std::string& editor);

// Runs the editor command for `file` and waits until it ends; -1 at once when it cannot
// be started, else its exit status. Blocks: meant for a worker thread.
int RunEditorAndWait(const std::string& editor, const std::filesystem::path& file);

// Opens `file` in the desktop's default text editor (xdg-open), which returns at once;
// false when that could not be started or failed.
bool OpenInDesktopEditor(const std::filesystem::path& file);

// Reloads the table from its file into its view, whether or not the editor changed it.
void ReloadEditedTable(MainWindowState& state, EditedTable table);

}  // namespace app
