// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "output/GroupedPartsList.h"
#include "output/KicadNetlist.h"

// The whole result for scripts, as JSON (UTF-8): title fields, parts with their pins and
// nets, nets with their pins, shorted nets, parts without pins and the messages of the run.
// The layout is versioned: a script checks "schema_version" and a change that drops or
// renames a key raises it.
namespace output {

inline constexpr int kJsonSchemaVersion = 1;

struct RunFindings {
    std::vector<std::pair<std::string, std::string>> ShortedNets;  // CP932 names
    std::vector<std::string> Messages;                             // CP932
};

std::string JsonResult(const model::TTitleFields& titles, const model::TPartsList& parts,
                       const model::TNetList& nets, const RunFindings& findings,
                       const PinNumberFn& pinNumber, const GroupNameFn& groupName);

}  // namespace output
