// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Ce2Records.h"
#include "model/PinRec.h"
#include "model/Point.h"
#include "text/ShortText.h"

namespace model {

struct TWireRec {
    // Ordered: the first end has the smaller X, for equal X the smaller Y.
    std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::int32_t NetNo = 0;     // connected group; 0 = not yet grouped
    text::ShortText LabelName;  // net name given by a label on this wire
    TPinRec* Pin = nullptr;     // set on a pin stub; not owned

    TWireRec() = default;
    TWireRec(TPoint a, TPoint b);

    TPoint First() const { return {X1, Y1}; }
    TPoint Second() const { return {X2, Y2}; }
};

using TJunctionList = std::vector<TPoint>;
using TLabelList = std::vector<CCe2Label>;

// The geometry of the drawing being read; it lives only while that drawing is read.
class TWireList {
  public:
    std::vector<std::unique_ptr<TWireRec>> Items;
    TJunctionList Junctions;
    TLabelList Labels;

    int Count() const { return static_cast<int>(Items.size()); }
    TWireRec* operator[](int index) const { return Items[static_cast<std::size_t>(index)].get(); }

    // From a wire record (kind 3, 10 bytes). A wire whose two ends are equal is dropped;
    // returns whether a wire was added.
    bool AddWire(const std::uint8_t* record);
    // From a junction record (kind 0, 6 bytes).
    void AddJunction(const std::uint8_t* record);
    // From a label record (kind 5 or 6, 18 bytes).
    void AddLabel(const std::uint8_t* record);
};

}  // namespace model
