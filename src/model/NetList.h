// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/PinRec.h"
#include "text/ShortText.h"

namespace model {

struct TNetRec {
    text::ShortText NetName;  // CP932; empty when created
    TPinList Pins;            // the pins belong to their parts

    // From the nets' pool (model/RecordPool.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* net, std::size_t size) noexcept;
};

// Kept sorted by NetName without regard to ASCII case by the net builder.
class TNetList {
  public:
    std::vector<std::unique_ptr<TNetRec>> Items;
    // -1 while nets are named from their pins; else the last generated net number.
    std::int32_t NetCounter = -1;

    int Count() const { return static_cast<int>(Items.size()); }
    TNetRec* operator[](int index) const { return Items[static_cast<std::size_t>(index)].get(); }
    void Clear() { Items.clear(); }
};

}  // namespace model
