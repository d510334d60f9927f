// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DialogSettings.h"
#include "app/SaveFlow.h"
#include "support/DrawingFolder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using app::OutputFileNames;
using app::ProposeOutputNames;

TEST(ProposeOutputNames, DerivedRememberedAndShortNames) {
    OutputFileNames first = ProposeOutputNames({}, "", "/work/amp/amp.ce2", 1);
    EXPECT_EQ(first.PartsList, "/work/amp/amp.csv");
    EXPECT_EQ(first.SimpleNet, "/work/amp/amp.net");
    EXPECT_EQ(first.ProtelNet, "/work/amp/amp_Protel.net");

    EXPECT_EQ(ProposeOutputNames({}, "PL-100", "/work/amp/amp.ce2", 0).PartsList, "PL-100.njp");
    // The number comes from a drawing: it names one file in the folder, nothing else.
    auto fromNumber = [](const std::string& utf8) {
        return ProposeOutputNames({}, text::Utf8ToCp932(utf8), "/w/amp.ce2", 0).PartsList;
    };
    EXPECT_EQ(fromNumber("DA4Z-/../../etc/x"), "DA4Z-_______etc_x.njp");
    EXPECT_EQ(fromNumber("DA4Z-..\\a\tb\x7F.c"), "DA4Z-___a_b_.c.njp");
    EXPECT_EQ(fromNumber("DA4Z-表/1.2"), "DA4Z-表_1.2.njp");
    // A remembered name keeps its folder and takes the current format's extension.
    OutputFileNames remembered{"/out/list.njp", "/out/n.net", "/out/p.net"};
    OutputFileNames again = ProposeOutputNames(remembered, "PL-100", "/work/amp/amp.ce2", 2);
    EXPECT_EQ(again.PartsList, "/out/list.txt");
    EXPECT_EQ(again.SimpleNet, "/out/n.net");
    EXPECT_EQ(again.ProtelNet, "/out/p.net");
    // Four bytes or less is no name.
    EXPECT_EQ(ProposeOutputNames({"a.nj", "", ""}, "", "/w/amp.ce2", 0).PartsList, "/w/amp.njp");
    // 表 ends in the backslash byte in CP932; the extension is still found after it.
    OutputFileNames japanese = ProposeOutputNames({}, "", "/w/回路表/表.ce2", 1);
    EXPECT_EQ(japanese.PartsList, "/w/回路表/表.csv");
    EXPECT_EQ(japanese.ProtelNet, "/w/回路表/表_Protel.net");
    // A format that cannot arise from the settings proposes the NJP name.
    EXPECT_EQ(ProposeOutputNames({}, "", "/w/amp.ce2", -1).PartsList, "/w/amp.njp");
}

class SaveOutputsTest : public ::testing::Test {
  protected:
    SaveOutputsTest() {
        state.ReadDrawing(folder.Drawing("amp.ce2", {"R1", "R2"}), "amp.ce2");
        state.FinishLoad();
    }

    bool Exists(const std::string& name) const { return fs::exists(folder / name); }

    support::DrawingFolder folder;
    support::RecordingUserInterface ui;
    app::MainWindowState state{ui};
};

TEST_F(SaveOutputsTest, WritesTickedNamedFilesAndClearsTheFlag) {
    ASSERT_TRUE(state.NotSaved);
    state.Options.PListType = 1;
    OutputFileNames names{folder / "out.csv", folder / "out.net", ""};
    OutputFileNames kept = app::SaveOutputs(state, {true, true, true, names});
    EXPECT_TRUE(Exists("out.csv"));
    EXPECT_TRUE(Exists("out.net"));
    EXPECT_FALSE(state.NotSaved);
    EXPECT_EQ(kept.PartsList, names.PartsList);
    EXPECT_EQ(kept.ProtelNet, "");
    EXPECT_NE(support::ReadCp932FileAsUtf8(folder / "out.csv").find("R1"), std::string::npos);

    // Nothing ticked writes nothing, yet the names come back to be remembered.
    state.NotSaved = true;
    OutputFileNames other{folder / "x.csv", folder / "x.net", folder / "x_Protel.net"};
    EXPECT_EQ(app::SaveOutputs(state, {false, false, false, other}).SimpleNet, other.SimpleNet);
    EXPECT_FALSE(Exists("x.csv") || Exists("x.net") || Exists("x_Protel.net"));
    EXPECT_TRUE(state.NotSaved);

    // A failing writer reports, and the next one still runs.
    app::SaveOutputs(state,
                     {true, false, true, {folder / "no/such/dir/x.csv", "", other.ProtelNet}});
    EXPECT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(Exists("x_Protel.net"));
}

TEST(DialogSettings, DefaultsRoundTripAndOddValues) {
    support::DrawingFolder folder;
    fs::path file = folder / "settings.INI";
    app::SaveDlgSettings fresh = app::ReadSaveDlgSettings(file);
    EXPECT_TRUE(fresh.SavePlistEn);
    EXPECT_FALSE(fresh.SimpleNetEn || fresh.ProtelNetEn);
    EXPECT_EQ(fresh.Geometry.Width, 435);
    EXPECT_EQ(fresh.Geometry.Left, 564);
    EXPECT_EQ(app::ReadOpenDlgStyle(file), 0);
    EXPECT_EQ(app::ReadCvtEditGeometry(file).Height, 104);

    app::SaveDlgSettings changed{{1, 2, 3, 4}, false, true, true};
    ASSERT_TRUE(app::WriteSaveDlgSettings(file, changed));
    ASSERT_TRUE(app::WriteOpenDlgStyle(file, 1));
    ASSERT_TRUE(app::WriteCvtEditGeometry(file, {5, 6, 7, 8}));
    app::SaveDlgSettings back = app::ReadSaveDlgSettings(file);
    EXPECT_EQ(back.Geometry.Top, 3);
    EXPECT_FALSE(back.SavePlistEn);
    EXPECT_TRUE(back.SimpleNetEn && back.ProtelNetEn);
    EXPECT_EQ(app::ReadOpenDlgStyle(file), 1);
    EXPECT_EQ(app::ReadCvtEditGeometry(file).Width, 6);
    std::string text = support::ReadCp932FileAsUtf8(file.string());
    EXPECT_NE(text.find("[SaveDlg]\r\nLeft=1\r\nWidth=2\r\nTop=3\r\nHeight=4\r\nSavePlistEn="),
              std::string::npos);

    // A stored choice past the two items selects the last one.
    support::WriteCp932File(file.string(), "[OpenDlg]\r\nReadStyle=7\r\n");
    EXPECT_EQ(app::ReadOpenDlgStyle(file), 1);
    EXPECT_FALSE(app::WriteOpenDlgStyle(folder / "no/such/dir/x.INI", 0));
}

}  // namespace
