// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/Ce2Records.h"
#include "model/PinRec.h"
#include "model/Point.h"
#include "model/RecordPool.h"
#include "text/ShortText.h"

namespace model {

struct TWireRec {
    // Ordered: the first end has the smaller X, for equal X the smaller Y.
    std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::int32_t NetNo = 0;  // connected group; 0 = not yet grouped
    // The net name a label or a power part gives the wire: 0 for none, else its number in
    // the list's names (TWireList::NameOf). A number, not a text: a large drawing holds two
    // million wires and stubs, and a few hundred names among them.
    std::uint32_t Name = 0;
    TPinRec* Pin = nullptr;  // set on a pin stub; not owned

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
    // Held by value in blocks: a wire keeps its place in memory while wires are added, so a
    // wire being cut stays valid while its piece is appended.
    std::deque<TWireRec, PooledBufferAllocator<TWireRec>> Items;
    TJunctionList Junctions;
    TLabelList Labels;

    int Count() const { return static_cast<int>(Items.size()); }
    TWireRec* operator[](int index) { return &Items[static_cast<std::size_t>(index)]; }
    const TWireRec* operator[](int index) const { return &Items[static_cast<std::size_t>(index)]; }

    // From a wire record (kind 3, 10 bytes). A wire whose two ends are equal is dropped;
    // returns whether a wire was added.
    bool AddWire(const std::uint8_t* record);
    // From a junction record (kind 0, 6 bytes).
    void AddJunction(const std::uint8_t* record);
    // From a label record (kind 5 or 6, 18 bytes).
    void AddLabel(const std::uint8_t* record);

    // A name for wires to carry, and the number TWireRec::Name holds for it; 0 for an empty
    // one, which names nothing.
    std::uint32_t AddName(std::string_view name);
    std::string_view NameOf(const TWireRec& wire) const;
    bool Named(const TWireRec& wire) const { return wire.Name != 0; }

    // Lays the wires out anew: the wire at `order[k]` becomes wire k. `order` holds every
    // place once.
    void Reorder(std::vector<std::uint32_t> order);

  private:
    std::vector<text::ShortText> names_;
};

}  // namespace model
