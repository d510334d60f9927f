// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/WireList.h"
#include "netlist/NetBuilder.h"
#include "netlist/PinConversion.h"
#include "partslist/PartLookups.h"
#include "partslist/PartsListBuilder.h"

namespace app {

// The algorithms a run files parts and joins wires with, chosen once when the run starts:
// the indexed ones, or the plain walks and nested loops they are checked against (only the
// benchmark that compares the two asks for those). The set owns the filings of the load
// being read and lays the parts list out itself before connectivity or the end of each
// drawing reads it by position.
class AlgorithmSet {
  public:
    enum class Kind { Indexed, Reference };

    explicit AlgorithmSet(Kind kind) : kind_(kind) {}
    AlgorithmSet(const AlgorithmSet&) = delete;
    AlgorithmSet& operator=(const AlgorithmSet&) = delete;

    model::TPartRec* AddPart(model::TPartsList& parts, const model::CCe2Part& record,
                             partslist::PartLookups& lookups,
                             const partslist::PlacePinsFn& placePins);
    void BuildConnectivity(model::TWireList& wires, model::TPartsList& parts, model::TNetList& nets,
                           const netlist::PinConversion& pinCvt,
                           const netlist::NetSettings& settings, netlist::ShortsReporter& shorts);

    // The nets filed so far laid out in order. The drawings of a load file their nets
    // without it; only what reads the list within a load (the links of a drawing) asks.
    void LayOutNets();

    // The end of a load: the nets are laid out, and as the lists may be changed by others
    // from now on (edits, a replacing load), the filings made for the load's drawings are
    // dropped.
    void EndLoad();

    // Kept for the length of one drawing's read; at its end, however the read ends, the parts
    // filed are laid out. Laying out needs memory too: when the read is ending because there
    // was none, the filings are dropped rather than ending the program from a destructor.
    class DrawingScope {
      public:
        explicit DrawingScope(AlgorithmSet& set) : set_(set) {}
        ~DrawingScope() {
            try {
                set_.LayOutFiled();
            } catch (...) {
                set_.DropFilings();
            }
        }
        DrawingScope(const DrawingScope&) = delete;
        DrawingScope& operator=(const DrawingScope&) = delete;

      private:
        AlgorithmSet& set_;
    };

  private:
    void LayOutFiled();
    void DropFilings() noexcept;

    Kind kind_;
    // The indexes of the parts and nets, kept over the drawings of one load so that each
    // drawing costs what it brings.
    std::optional<partslist::indexed::PartsFiling> filing_;
    std::optional<netlist::indexed::NetFiling> netFiling_;
};

}  // namespace app
