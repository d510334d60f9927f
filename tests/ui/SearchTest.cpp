// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeView>

#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "ui/CvtViewWidget.h"

namespace uitest {
namespace {

class SearchTest : public WindowTest {
  protected:
    int SelectedRow(ui::ListWidget* view) { return view->SelectedRow(); }
};

TEST_F(SearchTest, EachPageKeepsItsTextAndTheCommandsFollowThePage) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1", "R2", "R10"})});
    w.Pages->setCurrentIndex(ui::TVornExtracts::PartsListTab);
    w.PartsListViews->setCurrentWidget(w.PartsViewA);
    dialogs.PromptAnswers.push_back("r1");
    w.FindMnu->trigger();
    ASSERT_EQ(dialogs.PromptShown.size(), 1u);
    EXPECT_EQ(dialogs.PromptShown[0].toStdString(), "VORN ﾈｯﾄﾘｽﾄ/部品表 抽出|検索文字列|");
    EXPECT_EQ(SelectedRow(w.PartsViewA), 0);
    w.FindNextMnu->trigger();
    EXPECT_EQ(SelectedRow(w.PartsViewA), 2);  // R10
    w.FindNextMnu->trigger();
    EXPECT_EQ(SelectedRow(w.PartsViewA), 2);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].toStdString(), "r1\nは見つかりません");
    w.FindBeforeMnu->trigger();
    EXPECT_EQ(SelectedRow(w.PartsViewA), 0);

    // The detail view on the same page shares the text.
    w.PartsListViews->setCurrentWidget(w.PartsViewB);
    w.FindNextMnu->trigger();
    EXPECT_EQ(SelectedRow(w.PartsViewB), 0);

    // Another page has its own, still empty text: F3 does nothing there.
    w.Pages->setCurrentIndex(ui::TVornExtracts::NetListTab);
    w.FindNextMnu->trigger();
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    // The prompt opens with the page's text; cancelling keeps it.
    w.Pages->setCurrentIndex(ui::TVornExtracts::PartsListTab);
    w.FindMnu->trigger();
    EXPECT_EQ(dialogs.PromptShown.back().toStdString(), "VORN ﾈｯﾄﾘｽﾄ/部品表 抽出|検索文字列|r1");
    // An empty text is stored and searched for silently.
    dialogs.PromptAnswers.push_back("");
    w.FindMnu->trigger();
    w.FindNextMnu->trigger();
    EXPECT_EQ(dialogs.Messages.size(), 1u);

    // The option page has no search.
    w.Pages->setCurrentIndex(ui::TVornExtracts::OptionPage);
    const std::size_t prompts = dialogs.PromptShown.size();
    w.FindMnu->trigger();
    EXPECT_EQ(dialogs.PromptShown.size(), prompts);
}

}  // namespace
}  // namespace uitest
