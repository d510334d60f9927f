// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/FootList.h"
#include "tables/MakerLists.h"
#include "tables/NameLists.h"
#include "tables/PinCvtList.h"
#include "text/Cp932.h"

namespace {

// Table files are edited by hand. Bytes of every kind that matters to the grammar, in any
// order, must load without a crash or a message; with lines the format can hold (short,
// whole characters, no wildcards whose order depends on the filing order), what loaded
// saves and loads back the same.
std::string DamagedText(std::mt19937& random, bool holdable) {
    static const char kBytes[] = {'\t', '\t',   '\r',   '\n',   '\n',  '\0', '[',
                                  ']',  'A',    'b',    '1',    '-',   ' ',  '\x7f',
                                  '?',  '\x82', '\x81', '\x5d', '\xfc'};
    std::size_t alphabet = holdable ? sizeof kBytes - 5 : sizeof kBytes;
    std::string bytes;
    std::size_t length = random() % 1200;
    for (std::size_t i = 0; i < length; ++i) {
        bytes.push_back((holdable && i % 50 == 49) ? '\n' : kBytes[random() % alphabet]);
    }
    return bytes;
}

class DamagedFiles : public ::testing::Test {
  protected:
    DamagedFiles() : cvt_(dir_.MakeDir("cvt")) {}

    void WriteAll(bool holdable) {
        for (const char* name :
             {"NameTable.Txt", "MakerTable.Txt", "FootPrintList.txt", "PinCvtList.txt"}) {
            support::WriteFileBytes(cvt_ + "/" + name, DamagedText(random_, holdable));
        }
    }

    support::TempDir dir_;
    std::string cvt_;
    support::ScopedProgramHome home_{dir_.MakeDir("home")};
    support::RecordingUserInterface ui_;
    std::mt19937 random_{2024};
};

TEST_F(DamagedFiles, AnyBytesLoadWithinTheLimits) {
    for (int round = 0; round < 150; ++round) {
        WriteAll(false);
        std::vector<settings::NameGroupItem> groups;
        support::RecordingListView view;
        tables::TNameLists names(cvt_, groups, view, ui_, cvt_);
        for (const auto& entry : names.Entries(tables::NameList::Common)) {
            ASSERT_LE(entry.OrgNameText().size(), 127u);
            ASSERT_LE(entry.NewNameText().size(), 127u);
            ASSERT_LT(static_cast<std::size_t>(entry.Group), groups.size());
        }
        support::RecordingListView makerView;
        tables::TMakerLists makers(cvt_, makerView, ui_);
        ASSERT_EQ(makerView.RowCount(), static_cast<int>(makers.Entries().size()));
        support::RecordingListView footView;
        tables::TFootList foot(cvt_, footView, ui_);
        ASSERT_EQ(footView.RowCount(), static_cast<int>(foot.Entries().size()));
        support::RecordingTreeView tree;
        tables::TPinCvtList pins(cvt_);
        pins.LoadPinCvt(tree, ui_);
        ASSERT_EQ(static_cast<int>(pins.Blocks().size()), tree.ChildCount(view::TreeView::kNone));
    }
    EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(DamagedFiles, WhatLoadedSavesAndLoadsBackTheSame) {
    for (int round = 0; round < 150; ++round) {
        WriteAll(true);
        std::vector<settings::NameGroupItem> groups;
        support::RecordingListView view;
        tables::TNameLists names(cvt_, groups, view, ui_, cvt_);
        auto rows = support::RowsUtf8(view);
        ASSERT_TRUE(names.SaveList(names.CommonPath(), tables::NameList::Common));
        names.LoadList(names.CommonPath(), view, tables::NameList::Common, cvt_);
        EXPECT_EQ(support::RowsUtf8(view), rows) << "round " << round;

        support::RecordingListView makerView;
        tables::TMakerLists makers(cvt_, makerView, ui_);
        rows = support::RowsUtf8(makerView);
        ASSERT_TRUE(makers.SaveMakers());
        makers.LoadMakers(makerView);
        EXPECT_EQ(support::RowsUtf8(makerView), rows) << "round " << round;

        support::RecordingListView footView;
        tables::TFootList foot(cvt_, footView, ui_);
        rows = support::RowsUtf8(footView);
        ASSERT_TRUE(foot.SaveFoot());
        foot.LoadFoot(footView);
        EXPECT_EQ(support::RowsUtf8(footView), rows) << "round " << round;
    }
}

}  // namespace
