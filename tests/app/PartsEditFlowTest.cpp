// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/PartsEditFlow.h"
#include "partslist/PartsViews.h"
#include "support/DrawingFolder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using namespace partslist;
using text::Sj;

class PartsEditFlowTest : public ::testing::Test {
  protected:
    PartsEditFlowTest() { Load(); }

    void Load() {
        state.ClearAll();
        drawing = folder.Drawing("amp/amp.ce2", {"R1", "R2", "R3"});
        state.ReadDrawing(drawing, "amp.ce2");
        state.FinishLoad();
    }

    model::TPartRec& Part(int rowA) {
        return *static_cast<model::TPartRec*>(state.PartsViewA->RowData(rowA));
    }
    app::PartEdit EditOf(const model::TPartRec& part) {
        return {part.NameCvtIndex,
                state.Lookups.GroupName(part.NameCvtIndex),
                std::string(part.CvtNameText()),
                std::string(part.MakerNameText()),
                std::string(part.NoteText()),
                std::to_string(part.Amount),
                true};
    }
    std::string Each() const { return (folder.Path() / "amp" / "NameTable.Txt").string(); }

    support::DrawingFolder folder;
    support::RecordingUserInterface ui;
    app::MainWindowState state{ui};
    std::string drawing;
};

TEST_F(PartsEditFlowTest, NameTaughtToTheDrawingTableSurvivesAReload) {
    state.Options.NameGroup = {{Sj("抵抗"), true}, {Sj("コンデンサ"), true}};
    state.SaveSettings();
    model::TPartRec& r1 = Part(0);
    const std::string drawn(r1.PartNameText());
    app::PartEdit edit = EditOf(r1);
    edit.Name = "RK73-10K";
    ASSERT_TRUE(app::SavePartEdit(state, r1, edit));
    EXPECT_EQ(r1.CvtNameText(), "RK73-10K");
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryName), "RK73-10K");
    EXPECT_EQ(state.PartsViewB->CellText(r1.RowB, kDetailName), "RK73-10K");
    // Nothing selected: the new entry takes the first group, and the row says so.
    EXPECT_EQ(r1.NameCvtIndex, 0);
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryGroup), state.Lookups.GroupName(0));
    ASSERT_TRUE(fs::exists(Each()));
    EXPECT_NE(support::ReadBytesFile(Each()).find(drawn), std::string::npos);

    // The other parts of the name follow only when asked.
    EXPECT_EQ(Part(1).CvtNameText(), drawn);
    app::ApplyToSameName(state, r1, drawn);
    EXPECT_EQ(Part(1).CvtNameText(), "RK73-10K");
    EXPECT_EQ(state.PartsViewA->CellText(2, kSummaryName), "RK73-10K");
    EXPECT_EQ(state.PartsViewA->CellText(2, kSummaryGroup), state.Lookups.GroupName(0));

    Load();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Part(row).CvtNameText(), "RK73-10K") << row;
    }
    // Teaching again rewrites the entry of the drawn name instead of adding one.
    const std::string before = support::ReadBytesFile(Each());
    app::PartEdit again = EditOf(Part(0));
    again.Name = "RK73-22K";
    ASSERT_TRUE(app::SavePartEdit(state, Part(0), again));
    EXPECT_EQ(state.Tables.NameLists->Entries(tables::NameList::Each).size(), 1u);
    EXPECT_NE(support::ReadBytesFile(Each()), before);
}

TEST_F(PartsEditFlowTest, GroupOnlyChangeRunsTheNameStepAndTypedGroupsAreAdded) {
    model::TPartRec& r1 = Part(0);
    const std::size_t groups = state.Options.NameGroup.size();
    app::PartEdit edit = EditOf(r1);
    edit.GroupIndex = -1;
    edit.GroupText = Sj("特注品");
    edit.Maker = "IGNORED";  // a maker is not taken in a save that runs the name step
    ASSERT_TRUE(app::SavePartEdit(state, r1, edit));
    ASSERT_EQ(state.Options.NameGroup.size(), groups + 1);
    EXPECT_EQ(state.Options.NameGroup.back().Name, Sj("特注品"));
    EXPECT_EQ(r1.NameCvtIndex, static_cast<int>(groups));
    EXPECT_EQ(edit.GroupIndex, static_cast<int>(groups));
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryGroup), Sj("特注品"));
    EXPECT_EQ(r1.MakerNameText(), "");
    ASSERT_EQ(state.Tables.NameLists->Entries(tables::NameList::Each).size(), 1u);
    EXPECT_EQ(state.Tables.NameLists->Entries(tables::NameList::Each)[0].Group,
              static_cast<int>(groups));

    // Without UpdateCvt the table is left alone; an empty typed group stays none.
    model::TPartRec& r2 = Part(1);
    app::PartEdit none = EditOf(r2);
    none.GroupText.clear();
    none.UpdateCvt = false;
    EXPECT_FALSE(app::SavePartEdit(state, r2, none));
    EXPECT_EQ(r2.NameCvtIndex, -1);
    EXPECT_EQ(state.Tables.NameLists->Entries(tables::NameList::Each).size(), 1u);
}

TEST_F(PartsEditFlowTest, MakerNoteAndQuantityStoredWithoutTheNameStep) {
    model::TPartRec& r1 = Part(0);
    app::PartEdit edit = EditOf(r1);
    edit.Maker = "KOA";
    edit.Note = Sj("手配済");
    edit.AmountText = "12x";
    ASSERT_TRUE(app::SavePartEdit(state, r1, edit));
    EXPECT_EQ(r1.MakerNameText(), "KOA");
    EXPECT_EQ(r1.Amount, 12);
    EXPECT_EQ(r1.NoteText(), Sj("手配済"));
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryAmount), "12");
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryMaker), "KOA");
    EXPECT_EQ(state.PartsViewA->CellText(0, kSummaryNote), Sj("手配済"));
    EXPECT_FALSE(fs::exists(Each()));
    const fs::path makers = state.Tables.Makers->FilePath();
    EXPECT_NE(support::ReadBytesFile(makers.string()).find("KOA"), std::string::npos);
    EXPECT_EQ(state.Tables.MakerOf(r1.CvtNameText()), "KOA");
    // The same boxes again change nothing.
    EXPECT_FALSE(app::SavePartEdit(state, r1, edit));

    EXPECT_EQ(app::AmountValue(""), 0);
    EXPECT_EQ(app::AmountValue("007"), 7);
    EXPECT_EQ(app::AmountValue("99999999999"), 32767);  // held, not wrapped
}

TEST(EditDialogSettings, DefaultsRoundTripAndKeptBoxes) {
    support::TempDir dir;
    const fs::path file = dir.Path() / "settings.ini";
    app::EditDialogSettings first =
        app::ReadEditDialogSettings(file, app::kFootEdit, app::kFootEditDesign);
    EXPECT_TRUE(first.UpdateCvt);
    EXPECT_TRUE(first.UpdateAll);
    ASSERT_TRUE(app::WriteEditDialogSettings(file, app::kFootEdit, {{1, 2, 3, 4}, false, false}));
    // Without the boxes the stored ones stay.
    ASSERT_TRUE(
        app::WriteEditDialogSettings(file, app::kFootEdit, {{1, 2, 3, 5}, true, true}, false));
    app::EditDialogSettings read =
        app::ReadEditDialogSettings(file, app::kFootEdit, app::kFootEditDesign);
    EXPECT_EQ(read.Geometry.Height, 5);
    EXPECT_FALSE(read.UpdateCvt);
    EXPECT_FALSE(read.UpdateAll);
    EXPECT_EQ(
        app::ReadEditDialogSettings(file, app::kEditParts, app::kEditPartsDesign).Geometry.Width,
        385);
}

}  // namespace
