// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/Search.h"
#include "support/RecordingViews.h"
#include "text/Cp932.h"
#include "view/MemoryViews.h"

namespace {

using app::SearchMatches;
using text::Sj;

TEST(SearchMatches, AsciiCaseOnlyAndCharacterBoundaries) {
    EXPECT_TRUE(SearchMatches("DA4Z-R12", "z-r1"));
    EXPECT_TRUE(SearchMatches("abc", "ABC"));
    EXPECT_FALSE(SearchMatches("ABD", "abc"));
    // Full-width letters keep their case and never match half-width ones.
    EXPECT_FALSE(SearchMatches(Sj("ＡＢ"), Sj("ａｂ")));
    EXPECT_FALSE(SearchMatches("AB", Sj("ＡＢ")));
    EXPECT_TRUE(SearchMatches(Sj("抵抗ＡＢ"), Sj("ＡＢ")));
    // "ア" is 83 41 and "ｱ" is B1: the "A" inside the double-byte character is no match,
    // nor is a lower-case second byte raised ("ヂ" is 83 61, "ア" 83 41).
    EXPECT_FALSE(SearchMatches(Sj("ア"), "A"));
    EXPECT_TRUE(SearchMatches(Sj("アA"), "A"));
    EXPECT_FALSE(SearchMatches(Sj("ヂ"), Sj("ア")));
    EXPECT_FALSE(SearchMatches("", "A"));
    EXPECT_TRUE(SearchMatches("ab", ""));
    EXPECT_FALSE(SearchMatches("", ""));
    EXPECT_TRUE(SearchMatches(Sj("ｱr1"), "R1"));  // a half-width kana is one byte
}

class ListSearchTest : public ::testing::Test {
  protected:
    ListSearchTest() {
        view.SetColumns({{"a", 10}, {"b", 10}});
        for (auto [ref, name] : {std::pair{"R1", "10K"}, std::pair{"C1", "1U"},
                                 std::pair{"R2", "10k"}, std::pair{"U1", "NE5532"}}) {
            view.AddRow({ref, name}, nullptr);
        }
    }
    view::MemoryListView view;
    support::RecordingUserInterface ui;
};

TEST_F(ListSearchTest, ForwardBackwardWithoutWrapping) {
    EXPECT_TRUE(app::FindInList(view, ui, "10k", false));  // second column, any case
    EXPECT_EQ(view.Selected(), 0);
    EXPECT_TRUE(app::FindInList(view, ui, "10k", false));  // the selected row again
    EXPECT_EQ(view.Selected(), 0);
    EXPECT_TRUE(app::FindInList(view, ui, "10k", true));
    EXPECT_EQ(view.Selected(), 2);
    EXPECT_EQ(view.ScrolledTo, 2);
    EXPECT_TRUE(ui.Messages.empty());
    // Past the last match there is no wrap-around; the selection stays.
    EXPECT_FALSE(app::FindInList(view, ui, "10k", true));
    EXPECT_EQ(view.Selected(), 2);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0], "10k" + Sj("\nは見つかりません"));

    EXPECT_TRUE(app::FindBackInList(view, ui, "r"));
    EXPECT_EQ(view.Selected(), 0);
    EXPECT_FALSE(app::FindBackInList(view, ui, "r"));  // the first row: nothing before it
    view.Select(-1);
    EXPECT_TRUE(app::FindBackInList(view, ui, "1"));  // from the last row when none is
    EXPECT_EQ(view.Selected(), 3);
    view.Select(-1);
    EXPECT_TRUE(app::FindInList(view, ui, "c1", true));  // no selection starts at the top
    EXPECT_EQ(view.Selected(), 1);
    const std::size_t messages = ui.Messages.size();
    EXPECT_FALSE(app::FindInList(view, ui, "", false));
    EXPECT_EQ(ui.Messages.size(), messages);
}

TEST(TreeSearch, FlatOrderIntoCollapsedNodes) {
    view::MemoryTreeView tree;
    support::RecordingUserInterface ui;
    auto a = tree.AddNode(view::TreeView::kNone, "NE5532");
    auto a1 = tree.AddNode(a, "1=OUT1");
    auto a11 = tree.AddNode(a1, "GND");
    auto b = tree.AddNode(view::TreeView::kNone, "LM358");
    auto b1 = tree.AddNode(b, "4=GND");
    EXPECT_TRUE(app::FindInTree(tree, ui, "gnd", false));
    EXPECT_EQ(tree.Selected(), a11);
    EXPECT_TRUE(tree.Items[static_cast<std::size_t>(a)].Expanded);
    EXPECT_TRUE(tree.Items[static_cast<std::size_t>(a1)].Expanded);
    EXPECT_FALSE(tree.Items[static_cast<std::size_t>(b)].Expanded);
    EXPECT_TRUE(app::FindInTree(tree, ui, "gnd", true));
    EXPECT_EQ(tree.Selected(), b1);
    EXPECT_TRUE(tree.Items[static_cast<std::size_t>(b)].Expanded);
    EXPECT_FALSE(app::FindInTree(tree, ui, "gnd", true));
    EXPECT_EQ(tree.Selected(), b1);
    EXPECT_TRUE(app::FindBackInTree(tree, ui, "=out"));
    EXPECT_EQ(tree.Selected(), a1);
    EXPECT_FALSE(app::FindBackInTree(tree, ui, "LM"));
    EXPECT_EQ(ui.Messages.size(), 2u);
}

}  // namespace
