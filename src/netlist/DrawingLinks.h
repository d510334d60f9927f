// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/DrawingGeometry.h"
#include "model/NetList.h"
#include "model/PinRec.h"
#include "model/WireList.h"

// A drawing's geometry tied to the result: which group each wire, junction, label, tag
// and pin ended in, and which net each group became.
namespace netlist {

// What loading notes while the records come in, for the links made after the pass: the
// pin placed for each drawn pin, in the order of the geometry's pins. The pins live as
// long as their parts.
struct DrawingCapture {
    std::vector<const model::TPinRec*> PlacedPins;
};

// After the drawing's connectivity pass and its nets: every item's group, each group's
// net (the net its pins went to; for a group of names only, the net of its name when there
// is one) and whether it carried two different names. A pin's body edge is set from its
// part's body.
void LinkDrawing(model::DrawingGeometry& drawing, const model::TWireList& wires,
                 const DrawingCapture& capture, const model::TNetList& nets);

// The net named `name` (ASCII letters in either case) in the sorted list, or null.
model::TNetRec* NetNamed(const model::TNetList& nets, std::string_view name);

// How an item is drawn. A highlighted net outranks a short; an unconnected pin is marked
// unless it is part of a highlight.
enum class ItemLook { Plain, Unconnected, Shorted, Highlighted };

// The nets and part to show highlighted, and the nets found shorted in any drawing.
class DrawingMarks {
  public:
    std::unordered_set<const model::TNetRec*> HighlightedNets;
    std::unordered_set<const model::TNetRec*> ShortedNets;
    const model::TPartRec* HighlightedPart = nullptr;

    // The nets of the shorted groups of every drawing.
    void FindShorts(const model::DrawingList& drawings);

    ItemLook GroupLook(const model::DrawingGeometry& drawing, model::GroupNo group) const;
    ItemLook PinLook(const model::DrawingGeometry& drawing, const model::DrawingPin& pin) const;
    ItemLook PartLook(const model::DrawingPart& part) const;
};

}  // namespace netlist
