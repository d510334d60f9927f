// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/PinCvtList.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;

class PinCvtListTest : public ::testing::Test {
  protected:
    PinCvtListTest() : cvt_(dir_.MakeDir("cvt")), list_(cvt_) {}

    std::string File() const { return cvt_ + "/PinCvtList.txt"; }
    std::vector<std::string> Children(view::TreeView::Node parent) const {
        std::vector<std::string> texts;
        for (int i = 0; i < tree_.ChildCount(parent); ++i) {
            texts.push_back(text::Cp932ToUtf8(tree_.NodeText(tree_.Child(parent, i))));
        }
        return texts;
    }

    support::TempDir dir_;
    std::string cvt_;
    support::RecordingTreeView tree_;
    support::RecordingUserInterface ui_;
    tables::TPinCvtList list_;
};

TEST_F(PinCvtListTest, BlocksAndPairsFillTheTree) {
    support::WriteCp932File(File(),
                            "\t5\torphan before any block\r\n"
                            "BGA4\r\n"
                            "\t1\tA\r\n"
                            "\t\t12\t\tB\tignored rest\r\n"
                            "\t3\r\n"
                            "\tX1\tC\r\n"
                            "\t-2\tneg\r\n"
                            "bga4\r\n"
                            "\t1\tOTHER\r\n"
                            "\r\n"
                            "\t9\tZ\r\n");
    list_.LoadPinCvt(tree_, ui_);
    EXPECT_EQ(Children(view::TreeView::kNone), (std::vector<std::string>{"BGA4", "bga4", ""}));
    EXPECT_EQ(Children(tree_.Child(view::TreeView::kNone, 0)),
              (std::vector<std::string>{"  1 : A", " 12 : B", "  0 : C", " -2 : neg"}));
    EXPECT_EQ(list_.PinTextOf("Bga4", 1), "A");  // the first block only
    EXPECT_EQ(list_.PinTextOf("BGA4", 7), "7");
    EXPECT_EQ(list_.PinTextOf("QFP", 12), "12");
    EXPECT_EQ(list_.PinNumberOf("bga4", "b"), 12);
    EXPECT_EQ(list_.PinNumberOf("BGA4", "C"), 0);
    EXPECT_EQ(list_.PinNumberOf("BGA4", "OTHER"), std::nullopt);
    EXPECT_EQ(list_.PinNumberOf("", "Z"), std::nullopt);  // an empty line's block names no part
    EXPECT_EQ(ui_.Messages.size(), 0u);
}

TEST_F(PinCvtListTest, ReloadStartsEmptyAndReportsAnUnreadableFile) {
    support::WriteCp932File(File(), "U1\r\n\t1\tA\r\n");
    list_.LoadPinCvt(tree_, ui_);
    ASSERT_EQ(list_.Blocks().size(), 1u);
    fs::remove(File());
    list_.LoadPinCvt(tree_, ui_);
    EXPECT_TRUE(list_.Blocks().empty());
    EXPECT_EQ(tree_.ChildCount(view::TreeView::kNone), 0);
    EXPECT_TRUE(ui_.Messages.empty());

    fs::create_directory(File());
    list_.LoadPinCvt(tree_, ui_);
    EXPECT_EQ(ui_.MessagesUtf8(), std::vector<std::string>{File() + "\nファイルが開けません"});
}

TEST(PinNumberText, ReadsLikeAtoi) {
    EXPECT_EQ(tables::PinNumberText("42abc"), 42);
    EXPECT_EQ(tables::PinNumberText(" +7"), 7);
    EXPECT_EQ(tables::PinNumberText("-0"), 0);
    EXPECT_EQ(tables::PinNumberText("A1"), 0);
    EXPECT_EQ(tables::PinNumberText(""), 0);
    EXPECT_EQ(tables::PinNumberText("99999999999999"), 2147483647);
    EXPECT_EQ(tables::PinNumberText("-99999999999999"), -2147483647 - 1);
}

}  // namespace
