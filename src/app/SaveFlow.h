// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/MainWindowState.h"

// What the save dialog proposes and what it writes, free of the dialog itself. File names
// here are UTF-8, as typed in the dialog's boxes.
namespace app {

// The three output names the save dialog remembers for the rest of the run.
struct OutputFileNames {
    std::string PartsList;
    std::string SimpleNet;
    std::string ProtelNet;
};

// The names the dialog opens with: the remembered ones, else names derived from the parts
// list number or the drawing last opened (`drawing`), the parts list name always with the
// extension of the chosen format (`pListType` outside 0..2: NJP).
OutputFileNames ProposeOutputNames(const OutputFileNames& remembered, const std::string& listNumber,
                                   const std::string& drawing, int pListType);

// The check boxes and boxes of the dialog as the user left them.
struct SaveChoice {
    bool SavePlistEn = false;
    bool SimpleNetEn = false;
    bool ProtelNetEn = false;
    OutputFileNames Names;
};

// Writes each file that is ticked and named, in the dialog's order; each writer reports
// its own failure and the later ones still run. A parts list type outside 0..2 writes no
// parts list. Returns the names to remember, whether or not anything was written.
OutputFileNames SaveOutputs(MainWindowState& state, const SaveChoice& choice);

}  // namespace app
