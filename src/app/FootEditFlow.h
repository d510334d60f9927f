// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/MainWindowState.h"

// What the footprint edit dialog stores, free of the dialog itself. Texts are CP932.
namespace app {

// Every distinct footprint name of the footprint list once, in the locale's order with
// case ignored (the first spelling met wins).
std::vector<std::string> FootPrintItems(const tables::TFootList& list);

// Stores the silk name and footprint into `part` and shows them when either
// differs, and (`updateCvt`) files the pair under the part's name in the footprint list
// and writes it. True when anything changed.
bool SaveFootEdit(MainWindowState& state, model::TPartRec& part, const std::string& silk,
                  const std::string& footPrint, bool updateCvt);

// Copies the footprint and silk name to every other part whose converted
// name equals the edited one with case ignored, with their rows.
void ApplyFootToSameName(MainWindowState& state, const model::TPartRec& edited);

}  // namespace app
