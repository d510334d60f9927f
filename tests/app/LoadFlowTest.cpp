// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/LoadFlow.h"
#include "support/DrawingFolder.h"
#include "support/RecordingViews.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;

// Answers the load flows' questions from a script and records what was asked, in order.
class ScriptedHost : public app::LoadHost {
  public:
    explicit ScriptedHost(app::MainWindowState& state) : state_(state) {}

    std::optional<app::OpenStyle> Confirm;
    std::optional<fs::path> Choice;
    std::vector<std::string> Calls;
    int RowsWhenChoosing = -1;
    std::string ChooserArgs;

    std::optional<app::OpenStyle> ConfirmOpen() override {
        Calls.push_back("confirm");
        return Confirm;
    }
    std::optional<fs::path> ChooseDrawing(const std::string& filter, const std::string& folder,
                                          const std::string& proposed) override {
        Calls.push_back("choose");
        RowsWhenChoosing = state_.PartsViewA->RowCount();
        ChooserArgs = filter + "|" + folder + "|" + proposed;
        return Choice;
    }
    void SaveSettings() override {
        Calls.push_back("settings");
        state_.SaveSettings();
    }
    void ReadDrawing(const fs::path& file, const std::string& shownName) override {
        Calls.push_back("read " + file.filename().string());
        state_.ReadDrawing(file.string(), shownName);
    }

  private:
    app::MainWindowState& state_;
};

class LoadFlowTest : public ::testing::Test {
  protected:
    int PartsShown() const { return state.PartsViewA->RowCount(); }

    support::DrawingFolder folder;
    support::RecordingUserInterface ui;
    app::MainWindowState state{ui};
    ScriptedHost host{state};
};

TEST_F(LoadFlowTest, FirstLoadAddsEveryExistingDrawingRelativeToTheStartFolder) {
    folder.Drawing("a/one.ce2", {"R1", "R2"});
    folder.Drawing("b/two.ce2", {"R3"});
    state.LoadSettings();
    state.CreateTables();
    // Reading one.ce2 moves the current directory into a/; b/two.ce2 is still found.
    std::optional<fs::path> last =
        app::FirstLoad(state, host, {"a/one.ce2", "missing.ce2", "b/two.ce2"}, folder.Path());
    EXPECT_TRUE(ui.Messages.empty());
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, folder.Path() / "b/two.ce2");
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"read one.ce2", "read two.ce2"}));
    EXPECT_EQ(PartsShown(), 3);
    EXPECT_EQ(ui.PanelUtf8(3), "one.ce2 ; two.ce2 ; ");
    EXPECT_TRUE(state.NotSaved);

    support::RecordingUserInterface quietUi;
    app::MainWindowState empty(quietUi);
    ScriptedHost emptyHost(empty);
    EXPECT_FALSE(app::FirstLoad(empty, emptyHost, {}, folder.Path()));
    EXPECT_FALSE(app::FirstLoad(empty, emptyHost, {"nothing-here.ce2"}, folder.Path()));
    EXPECT_TRUE(emptyHost.Calls.empty());
    EXPECT_TRUE(quietUi.Messages.empty());
    EXPECT_FALSE(empty.NotSaved);
}

TEST_F(LoadFlowTest, OpenWithNothingLoadedAsksNothingAndSavesSettingsBeforeChoosing) {
    std::string drawing = folder.Drawing("one.ce2", {"R1", "R2"});
    state.DataDir = text::Utf8ToCp932(folder.Path().string());
    state.PreFile = "old.ce2";
    host.Choice = drawing;
    ASSERT_TRUE(app::OpenCommand(state, host));
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"settings", "choose", "read one.ce2"}));
    EXPECT_EQ(host.ChooserArgs,
              std::string(app::kDrawingFilter) + "|" + folder.Path().string() + "|old.ce2");
    EXPECT_EQ(PartsShown(), 2);

    host.Calls.clear();
    host.Choice.reset();
    host.Confirm = app::OpenStyle::Add;
    EXPECT_FALSE(app::OpenCommand(state, host));
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"confirm", "settings", "choose"}));
    EXPECT_EQ(PartsShown(), 2);
}

TEST_F(LoadFlowTest, ReplaceClearsBeforeTheFileDialogAddKeepsCancelChangesNothing) {
    std::string one = folder.Drawing("one.ce2", {"R1", "R2"});
    std::string two = folder.Drawing("two.ce2", {"R7"});
    host.Choice = one;
    ASSERT_TRUE(app::OpenCommand(state, host));

    host.Calls.clear();
    host.Confirm.reset();
    EXPECT_FALSE(app::OpenCommand(state, host));
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"confirm"}));
    EXPECT_EQ(PartsShown(), 2);

    host.Confirm = app::OpenStyle::Add;
    host.Choice = two;
    ASSERT_TRUE(app::OpenCommand(state, host));
    EXPECT_EQ(host.RowsWhenChoosing, 2);
    EXPECT_EQ(PartsShown(), 3);

    host.Confirm = app::OpenStyle::Replace;
    ASSERT_TRUE(app::OpenCommand(state, host));
    EXPECT_EQ(host.RowsWhenChoosing, 0);
    ASSERT_EQ(PartsShown(), 1);
    EXPECT_EQ(text::Cp932ToUtf8(state.PartsViewA->CellText(0, 0)), "R7");

    // Replacing and then cancelling the file dialog leaves nothing loaded.
    host.Choice.reset();
    EXPECT_FALSE(app::OpenCommand(state, host));
    EXPECT_EQ(PartsShown(), 0);
    EXPECT_EQ(state.PartsList.Count(), 0);
    EXPECT_EQ(ui.PanelUtf8(3), "");
    EXPECT_FALSE(ui.SaveMenuEnabled);
    EXPECT_TRUE(ui.Messages.empty());
}

}  // namespace
