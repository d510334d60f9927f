// SPDX-License-Identifier: GPL-3.0-or-later
// The maker table, then a few look-ups and the edit boxes of each row.
#include "fuzz/FuzzInput.h"
#include "support/RecordingViews.h"
#include "tables/MakerLists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput(tables::TMakerLists::kFileName, data, size);
    support::RecordingUserInterface ui;
    support::RecordingListView view;
    tables::TMakerLists makers(fuzz::Sandbox().Dir.Path(), view, ui);
    for (const char* name : {"NE555", "RES-10K", "A", ""}) {
        (void)makers.FindMaker(name);
    }
    for (int row = 0; row < static_cast<int>(makers.Entries().size()); ++row) {
        (void)makers.BoxesOf(row);
    }
    return 0;
}
