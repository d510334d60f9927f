// SPDX-License-Identifier: GPL-3.0-or-later
// The pin conversion list, then look-ups both ways in every block.
#include "fuzz/FuzzInput.h"
#include "support/RecordingViews.h"
#include "tables/PinCvtList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput(tables::TPinCvtList::kFileName, data, size);
    support::RecordingUserInterface ui;
    support::RecordingTreeView tree;
    tables::TPinCvtList pins(fuzz::Sandbox().Dir.Path());
    pins.LoadPinCvt(tree, ui);
    for (const auto& block : pins.Blocks()) {
        for (const auto& pin : block.Pins) {
            (void)pins.PinNumberOf(block.BlockName, pin.PinText);
            (void)pins.PinTextOf(block.BlockName, pin.PinNo);
        }
    }
    return 0;
}
