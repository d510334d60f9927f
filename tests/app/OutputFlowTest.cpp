// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/MainWindowState.h"
#include "output/NetlistFiles.h"
#include "output/PartsListFiles.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TableFiles.h"

namespace {

namespace fs = std::filesystem;
using support::PinNoWord;

class OutputFlowTest : public ::testing::Test {
  protected:
    OutputFlowTest() {
        support::LibBuilder()
            .Symbol({"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}})
            .WriteTo(dir_ / "parts.lib");
        support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni({"parts.lib"}));
    }

    // Two resistors in series between two labelled nets.
    void LoadCircuit() {
        support::Ce2Builder d;
        d.Part({50, 10, 0, 0, "10k", "R1", "R"})       // pins at (0, 0) and (60, 0)
            .Part({150, 10, 0, 0, "4.7k", "R2", "R"})  // pins at (100, 0) and (160, 0)
            .Wire(60, 0, 100, 0)
            .Wire(-40, 0, 0, 0)
            .Label("IN", -40, 0)
            .Wire(160, 0, 200, 0)
            .Label("OUT", 200, 0);
        state_.ReadDrawing(d.WriteTo(dir_ / "a.ce2"), "a.ce2");
        state_.FinishLoad();
        ASSERT_TRUE(ui_.Messages.empty()) << ui_.MessagesUtf8()[0];
    }

    support::EditorSandbox sandbox_;
    support::TempDir& dir_ = sandbox_.Dir;
    support::RecordingUserInterface ui_;
    app::MainWindowState state_{ui_};
};

TEST_F(OutputFlowTest, NothingIsWrittenWithoutParts) {
    std::string path = dir_ / "list.njp";
    EXPECT_FALSE(state_.WritePartsListFile(path, output::PartsListFormat::Njp));
    EXPECT_FALSE(state_.WriteSimpleNetFile(dir_ / "a.net"));
    EXPECT_FALSE(state_.WriteProtelNetFile(dir_ / "a_Protel.net"));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(OutputFlowTest, WrittenFilesHoldTheLayoutsAndClearTheFlag) {
    LoadCircuit();
    EXPECT_TRUE(state_.NotSaved);
    ASSERT_EQ(state_.NetList.Count(), 3);

    std::string list = dir_ / "list.csv";
    EXPECT_TRUE(state_.WritePartsListFile(list, output::PartsListFormat::Csv));
    EXPECT_FALSE(state_.NotSaved);
    EXPECT_EQ(support::ReadBytesFile(list), "\"R1\",\"10k\",\"\",1\r\n\"R2\",\"4.7k\",\"\",1\r\n");

    std::string net = dir_ / "a.net";
    EXPECT_TRUE(state_.WriteSimpleNetFile(net));
    EXPECT_EQ(
        support::ReadBytesFile(net),
        "[PARTS]\r\nR1=,10k\r\nR2=,4.7k\r\n[NETS]\r\nIN=R1_1\r\nN010001=R2_1,R1_2\r\nOUT=R2_2\r\n");
    std::string protel = dir_ / "a_Protel.net";
    EXPECT_TRUE(state_.WriteProtelNetFile(protel));
    EXPECT_EQ(support::ReadBytesFile(protel).substr(0, 16), "[\r\nR1\r\n\r\n10k\r\n\r\n");
}

TEST_F(OutputFlowTest, FailedWritesSayWhichAndKeepTheOldFile) {
    LoadCircuit();
    std::string missingFolder = dir_ / "no/such/folder/list.njp";
    EXPECT_FALSE(state_.WritePartsListFile(missingFolder, output::PartsListFormat::Njp));
    std::string folder = dir_.MakeDir("taken.net");  // a folder where the file should go
    EXPECT_FALSE(state_.WriteSimpleNetFile(folder));
    EXPECT_EQ(ui_.MessagesUtf8(),
              (std::vector<std::string>{missingFolder + "\n\tが作成出来ません。",
                                        folder + "\n\tが作成出来ません。"}));
    EXPECT_TRUE(state_.NotSaved);
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(OutputFlowTest, ClearAllEmptiesEveryResultView) {
    LoadCircuit();
    EXPECT_GT(state_.PartsViewA->RowCount(), 0);
    EXPECT_GT(state_.NetView->RowCount(), 0);
    state_.ClearAll();
    EXPECT_EQ(state_.PartsList.Count(), 0);
    EXPECT_EQ(state_.NetList.Count(), 0);
    EXPECT_EQ(state_.NetList.NetCounter, -1);
    EXPECT_EQ(
        state_.PartsViewA->RowCount() + state_.PartsViewB->RowCount() + state_.NetView->RowCount(),
        0);
    EXPECT_FALSE(ui_.SaveMenuEnabled);
    for (int panel : {0, 1, 3}) {
        EXPECT_EQ(ui_.StatusPanel(panel), "") << panel;
    }
    EXPECT_NE(ui_.StatusPanel(2), "");  // the data folder stays
}

}  // namespace
