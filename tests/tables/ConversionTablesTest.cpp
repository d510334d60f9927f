// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/ConversionTables.h"
#include "text/Cp932.h"

namespace {

TEST(ConversionTables, LookupsFindNothingBeforeCreateAndEveryTableAfter) {
    support::TempDir dir;
    std::string cvt = dir.MakeDir("cvt");
    support::ScopedProgramHome home(dir.MakeDir("home"));
    const std::filesystem::path drawing = dir.MakeDir("drawing");
    support::WriteFileBytes(cvt + "/NameTable.Txt", "10k\tRES-10K\r\n");
    support::WriteFileBytes(cvt + "/MakerTable.Txt", "RES-10K\tKOA\r\n");
    support::WriteFileBytes(cvt + "/FootPrintList.txt", "RES-10K\tR1608\tR\r\n");
    support::WriteFileBytes(cvt + "/PinCvtList.txt", "BGA\r\n\t3\tA2\r\n");
    support::WriteFileBytes(dir / "drawing/NameTable.Txt", "10k\tLOCAL\r\n");

    tables::TConversionTables tables;
    const tables::PinNumberLookup& pins = tables;
    int group = 5;
    EXPECT_EQ(tables.ConvertName("10k", group), std::nullopt);
    EXPECT_EQ(group, -1);
    EXPECT_EQ(tables.MakerOf("RES-10K"), std::nullopt);
    EXPECT_EQ(tables.FootOf("RES-10K"), nullptr);
    EXPECT_EQ(tables.PinTextOf("BGA", 3), "3");
    EXPECT_EQ(pins.PinNumberOf("BGA", "A2"), std::nullopt);

    support::RecordingListView each, common, maker, foot;
    support::RecordingTreeView tree;
    tables.Views = {&each, &common, &maker, &foot, &tree};
    settings::TOptionValues options;
    options.CvtDir = text::Utf8ToCp932(cvt);
    support::RecordingUserInterface ui;
    tables.Create(options, ui, drawing);
    EXPECT_EQ(tables.ConvertName("10K", group), "RES-10K");
    EXPECT_EQ(tables.MakerOf("RES-10K"), "KOA");
    EXPECT_EQ(tables.FootOf("res-10k")->SilkName, "R");
    EXPECT_EQ(tables.PinTextOf("BGA", 3), "A2");
    EXPECT_EQ(pins.PinNumberOf("bga", "a2"), 3);
    EXPECT_EQ(common.RowCount(), 1);
    EXPECT_EQ(maker.RowCount(), 1);
    EXPECT_EQ(foot.RowCount(), 1);
    EXPECT_EQ(tree.ChildCount(view::TreeView::kNone), 1);

    tables.LoadDrawingNameTable(drawing);
    EXPECT_EQ(each.RowCount(), 1);
    EXPECT_EQ(tables.ConvertName("10k", group), "LOCAL");
    EXPECT_EQ(options.NameGroup.size(), 1u);
}

}  // namespace
