#pragma once

#include <algorithm>
#include <cstring>

#include "library/LibList.h"
#include "netlist/PinPlacement.h"

namespace fuzz {

// Places the pins of every symbol in every turn for a few units, which walks each pin
// record a library reader let through.
inline void PlaceEverySymbol(const library::TLibList& list) {
    for (int i = 0; i < list.Count(); ++i) {
        const std::string& name = list[i].SymbolName;
        (void)library::TLibList::SizeOf(list[i]);
        for (unsigned dir : {0u, 5u}) {
            for (unsigned block : {0u, 1u, 255u}) {
                model::CCe2Part record;
                record.Dir = static_cast<std::uint8_t>(dir);
                record.Block = static_cast<std::uint8_t>(block);
                std::memcpy(record.LibName, name.data(),
                            std::min(name.size(), sizeof record.LibName - 1));
                model::TPartRec part(record);
                netlist::PlacePins(part, list, part);
            }
        }
    }
}

}  // namespace fuzz
