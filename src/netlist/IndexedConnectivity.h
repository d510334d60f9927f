// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/WireList.h"
#include "netlist/NetBuilder.h"
#include "netlist/PinConversion.h"

// The connectivity pass with sorted and hashed look-ups in place of the nested loops of
// Connectivity.h. Every step leaves the wire list exactly as its plain counterpart does:
// the same items in the same order, the same pieces appended in the same order, the same
// names and group numbers. Users compare net numbers and pin orders between revisions, so
// only the running time may differ.
namespace netlist::indexed {

void SplitAtJunctions(model::TWireList& wires);
void SplitOverlaps(model::TWireList& wires);
// Already a single walk over the parts and their pins; asks the pin conversion list once
// per part instead of once per pin.
void AddPinStubs(model::TWireList& wires, const model::TPartsList& parts,
                 const PinConversion& pinCvt);
void ApplyLabels(model::TWireList& wires);
void SortWiresByLabel(model::TWireList& wires);
void NumberNets(model::TWireList& wires);

void ConnectWires(model::TWireList& wires, const model::TPartsList& parts,
                  const PinConversion& pinCvt);

void BuildConnectivity(model::TWireList& wires, const model::TPartsList& parts,
                       model::TNetList& nets, const PinConversion& pinCvt,
                       const NetSettings& settings, ShortsReporter& shorts);

}  // namespace netlist::indexed
