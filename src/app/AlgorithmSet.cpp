// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlgorithmSet.h"

#include "netlist/Connectivity.h"
#include "netlist/IndexedConnectivity.h"

namespace app {

model::TPartRec* AlgorithmSet::AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                                       partslist::PartLookups& lookups,
                                       const partslist::PlacePinsFn& placePins) {
    if (kind_ == Kind::Reference) {
        return partslist::AddPart(parts, record, lookups, placePins);
    }
    if (!filing_) {
        filing_.emplace(parts);
    }
    return filing_->Add(record, lookups, placePins);
}

void AlgorithmSet::BuildConnectivity(model::TWireList& wires, model::TPartsList& parts,
                                     model::TNetList& nets, const netlist::PinConversion& pinCvt,
                                     const netlist::NetSettings& settings,
                                     netlist::ShortsReporter& shorts) {
    LayOutFiled();  // connectivity reads the parts by position
    if (kind_ == Kind::Reference) {
        netlist::BuildConnectivity(wires, parts, nets, pinCvt, settings, shorts);
        return;
    }
    netlist::indexed::ConnectWires(wires, parts, pinCvt);
    if (!netFiling_) {
        netFiling_.emplace(nets);
    }
    netlist::indexed::BuildNets(*netFiling_, nets, wires, settings, shorts);
}

void AlgorithmSet::LayOutFiled() {
    if (filing_) {
        filing_->Finish();
    }
}

void AlgorithmSet::LayOutNets() {
    if (netFiling_) {
        netFiling_->Finish();
    }
}

void AlgorithmSet::EndLoad() {
    LayOutNets();
    DropFilings();
}

void AlgorithmSet::DropFilings() noexcept {
    filing_.reset();
    netFiling_.reset();
}

}  // namespace app
