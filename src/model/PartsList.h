// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/PartRec.h"

namespace model {

// The parts of every drawing read, as chain heads in list order; each head owns its
// further units. The sorted filing is the parts list builder's work.
class TPartsList {
  public:
    std::vector<std::unique_ptr<TPartRec>> Items;
    std::vector<std::string> PowerNames;  // CP932

    int Count() const { return static_cast<int>(Items.size()); }
    TPartRec* operator[](int index) const { return Items[static_cast<std::size_t>(index)].get(); }

    // Destroys every head with its chain, in the order of their places in memory.
    void Clear();
    // The places in Items of the parts in the order of their places in memory: work on
    // every part that does not depend on the list's order goes through them in this order,
    // which is far faster on a large drawing than jumping from record to record in the
    // order of references.
    std::vector<std::size_t> PlaceOrder() const;

    // Each text between semicolons becomes a power name; empty ones are skipped and
    // nothing is trimmed ("VCC;;GND;" gives VCC and GND).
    void SetPowerNames(std::string_view text);
};

}  // namespace model
