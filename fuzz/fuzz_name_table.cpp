// SPDX-License-Identifier: GPL-3.0-or-later
// The name conversion table with its groups, then a few conversions.
#include "fuzz/FuzzInput.h"
#include "support/RecordingViews.h"
#include "tables/NameLists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput(tables::TNameLists::kFileName, data, size);
    support::RecordingUserInterface ui;
    support::RecordingListView view;
    std::vector<settings::NameGroupItem> groups;
    tables::TNameLists names(fuzz::Sandbox().Dir.Path(), groups, view, ui,
                             fuzz::Sandbox().Dir.Path());
    for (const char* name : {"10k", "LM358", "A", ""}) {
        int group = 0;
        (void)names.Convert(name, group);
        (void)names.GroupName(group);
    }
    return 0;
}
