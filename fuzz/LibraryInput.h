// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstring>

#include "fuzz/FuzzInput.h"
#include "library/LibList.h"
#include "netlist/PinPlacement.h"
#include "support/RecordingViews.h"

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

// Reads the input as the library `name` with `read`, then places every symbol.
inline void ReadLibraryInput(const char* name, const std::uint8_t* data, std::size_t size,
                             void (*read)(library::TLibList&, int, const std::filesystem::path&,
                                          view::UserInterface&)) {
    WriteInput(name, data, size);
    support::RecordingUserInterface ui;
    library::TLibList list;
    list.FileNames[0] = name;
    read(list, 0, Sandbox().Dir.Path(), ui);
    PlaceEverySymbol(list);
}

}  // namespace fuzz
