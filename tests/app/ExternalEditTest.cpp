// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ExternalEdit.h"
#include "support/Bytes.h"
#include "support/DrawingFolder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"

namespace {

namespace fs = std::filesystem;
using app::EditedTable;

TEST(RunEditorAndWait, ArgumentExitStatusAndMissingProgram) {
    support::DrawingFolder folder;
    const std::string script = folder / "editor.sh";
    support::WriteFileBytes(
        script, "#!/bin/sh\n[ \"$#\" = 1 ] || exit 9\necho \"$1\" > \"$1.seen\"\nexit 3\n");
    fs::permissions(script, fs::perms::owner_all);
    const fs::path file = folder.Path() / "a table.txt";  // one argument despite the blank
    EXPECT_EQ(app::RunEditorAndWait(script, file), 3);
    EXPECT_EQ(support::ReadBytesFile(file.string() + ".seen"), file.string() + "\n");
    EXPECT_EQ(app::RunEditorAndWait(folder / "missing", file), -1);
    EXPECT_EQ(app::RunEditorAndWait("", file), -1);
}

TEST(PrepareTableEdit, PendingNameChangesAreWrittenFirst) {
    support::DrawingFolder folder;
    support::RecordingUserInterface ui;
    app::MainWindowState state{ui};
    state.ReadDrawing(folder.Drawing("amp/amp.ce2", {"R1"}), "amp.ce2");
    state.FinishLoad();
    EXPECT_EQ(app::EditedTableFile(state, EditedTable::EachNames),
              folder.Path() / "amp" / "NameTable.Txt");
    EXPECT_EQ(app::EditedTableFile(state, EditedTable::PinCvt).filename(), "PinCvtList.txt");
    tables::TNameLists& lists = *state.Tables.NameLists;
    lists.Entries(tables::NameList::Each).emplace_back("10k", "LOCAL", -1);
    lists.EachModified = true;
    app::PrepareTableEdit(state, EditedTable::Makers);  // not a name list: nothing written
    EXPECT_FALSE(fs::exists(folder.Path() / "amp" / "NameTable.Txt"));
    app::PrepareTableEdit(state, EditedTable::CommonNames);
    EXPECT_NE(
        support::ReadBytesFile((folder.Path() / "amp" / "NameTable.Txt").string()).find("LOCAL"),
        std::string::npos);
}

}  // namespace
