// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/DialogSettings.h"
#include "app/MainWindowState.h"

// What the part edit dialog stores, free of the dialog itself. Texts are CP932.
namespace app {

// The dialog's boxes as the user left them.
struct PartEdit {
    int GroupIndex = -1;    // the selected group item; -1 when none is selected
    std::string GroupText;  // the group box's text (a typed group when none is selected)
    std::string Name;
    std::string Maker;
    std::string Note;
    std::string AmountText;
    bool UpdateCvt = true;
};

// The value of a quantity text: its leading decimal digits, 0 when there are none; a
// value past what a quantity holds is held at the largest one.
int AmountValue(std::string_view text);

// Stores the edit into `part` and its rows: group, name (footprint, silk and maker
// recomputed, and the per-drawing name table taught and written when UpdateCvt is set),
// maker (into the maker list, only when the name step did not run), note, quantity.
// `edit.GroupIndex` receives the group the part ends with (a typed group is found or
// added). True when anything changed.
bool SavePartEdit(MainWindowState& state, model::TPartRec& part, PartEdit& edit);

// Copies the edited part's name, maker, group, footprint and silk to every other part of
// the printed list (parts with a reference) whose converted name is `oldName` (bytes
// compared), and shows them.
void ApplyToSameName(MainWindowState& state, const model::TPartRec& edited,
                     std::string_view oldName);

}  // namespace app
