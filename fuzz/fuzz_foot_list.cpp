// SPDX-License-Identifier: GPL-3.0-or-later
// The footprint list, then a few look-ups and the edit boxes of each row.
#include "fuzz/FuzzInput.h"
#include "support/RecordingViews.h"
#include "tables/FootList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput(tables::TFootList::kFileName, data, size);
    support::RecordingUserInterface ui;
    support::RecordingListView view;
    tables::TFootList foot(fuzz::Sandbox().Dir.Path(), view, ui);
    for (const char* name : {"RES-10K", "C1608", "A", ""}) {
        (void)foot.FindFoot(name);
    }
    for (int row = 0; row < static_cast<int>(foot.Entries().size()); ++row) {
        (void)foot.BoxesOf(row);
    }
    return 0;
}
