// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/PinRec.h"
#include "model/WireList.h"
#include "netlist/NetBuilder.h"
#include "netlist/PinConversion.h"

// The connectivity pass of one drawing: wires, junctions, labels and tags, and the pins
// of the parts, joined into numbered groups. Each step is a plain loop over the wire list
// in the order the groups and their pins depend on; this is the reference any faster
// version must agree with.
namespace netlist {

// Cuts the wire `wire` at `at` when `at` lies strictly inside it (horizontal or vertical
// wires only): the piece beyond `at` is appended to the list.
void SplitWire(model::TWireList& wires, model::TWireRec& wire, model::TPoint at);

void SplitAtJunctions(model::TWireList& wires);
void SplitOverlaps(model::TWireList& wires);
// A zero-length stub for every pin of every part not stubbed by an earlier pass.
void AddPinStubs(model::TWireList& wires, const model::TPartsList& parts,
                 const PinConversion& pinCvt);
void ApplyLabels(model::TWireList& wires);
void SortWiresByLabel(model::TWireList& wires);
void NumberNets(model::TWireList& wires);

// The width in drawing units of a tag of `textLength` bytes.
int TagWidth(int textLength);

// A pin's numeric order: from the pin conversion block of the part (`cvtName`) when the
// list has one, else the leading decimal number of the pin's text.
int PinOrderOf(const model::TPinRec& pin, const PinConversion& pinCvt, std::string_view cvtName);

// Steps 1 to 6: the wire list comes out split, stubbed, named, sorted and numbered, every
// group contiguous and numbered from 1.
void ConnectWires(model::TWireList& wires, const model::TPartsList& parts,
                  const PinConversion& pinCvt);

// The whole pass: ConnectWires, then the groups become this drawing's nets.
void BuildConnectivity(model::TWireList& wires, const model::TPartsList& parts,
                       model::TNetList& nets, const PinConversion& pinCvt,
                       const NetSettings& settings, ShortsReporter& shorts);

}  // namespace netlist
