// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "output/ByteSink.h"

// The netlist KiCad's board editor imports: its S-expression netlist, (export (version "E")
// ...), in UTF-8. Components are the parts the netlists list (those with pins, a part
// without a reference under an empty one); the value is the converted name, the footprint
// the footprint list's text as it stands (so "Library:Footprint" there imports with the
// footprint attached), the maker and the note as fields. Nets in list order, numbered from
// 1, with a node per pin.
namespace output {

// The pin's number as the node names it (after pin conversion when it is on).
using PinNumberFn = std::function<std::string(const model::TPinRec& pin)>;

// `tool` names the program in the design section.
void WriteKicadNetlist(ByteSink& out, const model::TTitleFields& titles,
                       const model::TPartsList& parts, const model::TNetList& nets,
                       const PinNumberFn& pinNumber, const std::string& tool);
std::string KicadNetlistBytes(const model::TTitleFields& titles, const model::TPartsList& parts,
                              const model::TNetList& nets, const PinNumberFn& pinNumber,
                              const std::string& tool);

// A CP932 text as a quoted KiCad string in UTF-8: backslash and double quote escaped, line
// breaks and tabs as \n, \r, \t.
std::string KicadString(std::string_view cp932);

}  // namespace output
