// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "app/FootEditFlow.h"
#include "partslist/PartsViews.h"
#include "support/DrawingFolder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "text/Sjis.h"

namespace {

using Strings = std::vector<std::string>;

class FootEditFlowTest : public ::testing::Test {
  protected:
    FootEditFlowTest() {
        state.ReadDrawing(folder.Drawing("amp/amp.ce2", {"R1", "R2", "R3"}), "amp.ce2");
        state.FinishLoad();
    }

    model::TPartRec& Part(int rowB) {
        return *static_cast<model::TPartRec*>(state.PartsViewB->RowData(rowB));
    }
    void AddFoot(const std::string& key, const std::string& foot) {
        auto entry = std::make_unique<model::TFootRec>();
        entry->FootKey = key;
        entry->FootPrint = foot;
        state.Tables.Foot->AddFoot(std::move(entry), *state.Tables.Views.FootView);
    }
    std::string FootFile() const { return state.Tables.Foot->FilePath().string(); }

    support::DrawingFolder folder;
    support::RecordingUserInterface ui;
    app::MainWindowState state{ui};
};

TEST_F(FootEditFlowTest, ItemsAreDistinctAndSortedWithCaseIgnored) {
    AddFoot("A", "SOP8");
    AddFoot("B", "dip8");
    AddFoot("C", "DIP8");
    AddFoot("D", "1608");
    AddFoot("E", "SOP8");
    EXPECT_EQ(app::FootPrintItems(*state.Tables.Foot), (Strings{"1608", "dip8", "SOP8"}));
}

TEST_F(FootEditFlowTest, SaveFilesThePairAndCopiesToNamesThatDifferInCase) {
    model::TPartRec& r1 = Part(0);
    const std::string name(r1.CvtNameText());
    EXPECT_FALSE(app::SaveFootEdit(state, r1, r1.SilkName.str(), r1.FootPrint.str(), true));
    EXPECT_TRUE(support::ReadBytesFile(FootFile()).empty());

    // The third part's name differs only in letter case.
    std::string lower = name;
    for (char& c : lower) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    ASSERT_NE(lower, name);
    text::CopyToField(Part(2).CvtName, lower);
    ASSERT_TRUE(app::SaveFootEdit(state, r1, "R-SILK", "1608", true));
    EXPECT_EQ(state.PartsViewB->CellText(0, partslist::kDetailSilk), "R-SILK");
    EXPECT_EQ(state.PartsViewB->CellText(0, partslist::kDetailFootprint), "1608");
    EXPECT_EQ(r1.SilkSet, 1);  // the silk name was derived and stays marked so
    ASSERT_EQ(state.Tables.Foot->Entries().size(), 1u);
    EXPECT_EQ(state.Tables.Foot->Entries()[0]->FootKey, name);
    EXPECT_NE(support::ReadBytesFile(FootFile()).find("1608"), std::string::npos);

    app::ApplyFootToSameName(state, r1);
    for (int row = 1; row < 3; ++row) {
        EXPECT_EQ(Part(row).FootPrint, "1608") << row;
        EXPECT_EQ(state.PartsViewB->CellText(row, partslist::kDetailSilk), "R-SILK") << row;
    }

    // Without UpdateCvt the list keeps its entry.
    ASSERT_TRUE(app::SaveFootEdit(state, r1, "R-SILK", "2012", false));
    EXPECT_EQ(state.Tables.Foot->Entries()[0]->FootPrint, "1608");
}

}  // namespace
