// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/MainWindowState.h"
#include "settings/IniFile.h"
#include "settings/SettingsFiles.h"
#include "support/Ce2Builder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using settings::TIniFile;

// A program home and a separate drawing folder.
class SettingsFilesTest : public ::testing::Test {
  protected:
    SettingsFilesTest()
        : home_(dir_.MakeDir("home")), work_(dir_.MakeDir("work")), scopedHome_(home_) {}

    settings::TSettingsState State() { return {options_, layout_, dataDir_, preFile_, folder_}; }
    // Reads a drawing of nothing in `folder`, which makes it the drawings' folder.
    static void ReadEmptyDrawing(app::MainWindowState& state, const std::string& folder) {
        support::Ce2Builder().WriteTo(folder + "/empty.ce2");
        state.ReadDrawing(folder + "/empty.ce2", "empty.ce2");
    }
    bool SaveChecks(const std::vector<settings::NameGroupItem>& groups) const {
        TIniFile file(FolderFile());
        settings::SaveGroupChecks(file, groups);
        return file.UpdateFile();
    }
    std::string ProgramFile() const { return home_ + "/vornextract.INI"; }
    std::string FolderFile() const { return work_ + "/vornextract.INI"; }

    support::TempDir dir_;
    std::string home_;
    std::string work_;
    fs::path folder_ = work_;
    support::ScopedProgramHome scopedHome_;
    settings::TOptionValues options_;
    settings::TWindowLayout layout_;
    std::string dataDir_ = "stale";
    std::string preFile_ = "stale";
};

TEST_F(SettingsFilesTest, WithoutFilesEveryValueTakesItsDefaultAndNothingIsCreated) {
    options_.PwParts = "X";
    options_.NetSeparator = "-";
    options_.CR_SilkType = 0;
    options_.PListType = 2;
    layout_.Left = 11;  // geometry keeps the window's current value
    layout_.MakerView[1] = 99;
    settings::LoadSettings(State());
    EXPECT_EQ(options_.CvtDir, text::Utf8ToCp932(home_));
    EXPECT_EQ(options_.PwParts, "VCC;VEE;GND");
    EXPECT_EQ(options_.Editors, "NOTEPAD.EXE");
    EXPECT_EQ(options_.TitleName, "TITLE2");
    EXPECT_EQ(options_.PartsListPreFix, "DA4Z-");
    EXPECT_EQ(options_.NetSeparator, "_");
    EXPECT_EQ(options_.CR_SilkType, 1);
    EXPECT_EQ(options_.PListType, 0);
    EXPECT_EQ(options_.NetNameType, 0);
    EXPECT_FALSE(options_.PinCvtEnv);
    EXPECT_EQ(layout_.Left, 11);
    EXPECT_EQ(layout_.Width, 751);
    EXPECT_EQ(layout_.MakerView[1], 99);
    EXPECT_EQ(layout_.ActivePage, 0);
    EXPECT_EQ(dataDir_, "");
    EXPECT_EQ(preFile_, "");
    EXPECT_FALSE(fs::exists(ProgramFile()));
    EXPECT_FALSE(fs::exists(FolderFile()));
}

TEST_F(SettingsFilesTest, SavedValuesReadBackFromTheirOwnFiles) {
    options_.CvtDir = text::Sj("/共有/変換");
    options_.PwParts = "VDD";
    options_.PinCvtEnv = true;
    options_.PListType = 1;
    options_.NetSeparator = "";
    options_.CR_SilkType = 2;
    options_.NameGroup = {{"STD", true}, {text::Sj("抵抗"), false}};
    layout_.Top = 5;
    layout_.ActivePage = 4;
    layout_.NameCvtView[2] = 222;
    layout_.CvtSplitter = 400;
    dataDir_ = "/work";
    preFile_ = "a.ce2";
    ASSERT_TRUE(settings::SaveSettings(State()).empty());

    TIniFile program(ProgramFile());
    TIniFile folder(FolderFile());
    EXPECT_EQ(program.ReadString("Option", "PwParts", ""), "VDD");
    EXPECT_FALSE(program.Value("Option", "NetSeparator"));
    EXPECT_EQ(folder.ReadString("Option", "NetSeparator", "missing"), "");
    EXPECT_FALSE(folder.Value("Option", "PwParts"));
    EXPECT_EQ(program.ReadString("Title", "Title", ""), "TITLE2");

    settings::TOptionValues options;
    options.NameGroup = {{text::Sj("抵抗"), true}, {"NEW", false}};
    settings::TWindowLayout layout;
    std::string dataDir;
    std::string preFile;
    EXPECT_TRUE(
        settings::LoadSettings({options, layout, dataDir, preFile, folder_}));  // PinCvtEnv changed
    EXPECT_EQ(options.CvtDir, text::Sj("/共有/変換"));
    EXPECT_TRUE(options.PinCvtEnv);
    EXPECT_EQ(options.PListType, 1);
    EXPECT_EQ(options.NetSeparator, "");
    EXPECT_EQ(options.CR_SilkType, 2);
    EXPECT_FALSE(options.NameGroup[0].Checked);
    EXPECT_TRUE(options.NameGroup[1].Checked);  // not stored: checked
    EXPECT_EQ(layout.Top, 5);
    EXPECT_EQ(layout.ActivePage, 4);
    EXPECT_EQ(layout.NameCvtView[2], 222);
    EXPECT_EQ(layout.CvtSplitter, 400);
    EXPECT_EQ(dataDir, "/work");
    EXPECT_EQ(preFile, "a.ce2");
}

TEST_F(SettingsFilesTest, ViewKeysAreWrittenInTableOrderAndDialogSectionsSurvive) {
    support::WriteFileBytes(ProgramFile(), "[CvtEdit]\r\nLeft=658\r\n[View]\r\nCvtSplitter=1\r\n");
    ASSERT_TRUE(settings::SaveSettings(State()).empty());
    std::string content = support::ReadBytesFile(ProgramFile());
    EXPECT_EQ(content.rfind("[CvtEdit]\r\nLeft=658\r\n", 0), 0u);
    std::size_t first = content.find("RefNumWidth=70");
    std::size_t maxPin = content.find("Max_PinWidth=55");
    std::size_t last = content.find("NameCvtViewWidth2=150");
    std::size_t splitter = content.find("CvtSplitter=357");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, maxPin);
    EXPECT_LT(maxPin, last);
    // CvtSplitter was already there: replaced where it stood, before the width keys.
    EXPECT_LT(splitter, first);
    EXPECT_EQ(settings::ColumnWidthKeys(layout_).size(), 25u);
}

TEST_F(SettingsFilesTest, StoredIndexesAreClampedAsTheControlsTakeThem) {
    support::WriteFileBytes(
        ProgramFile(),
        "[Option]\r\nPListType=7\r\nNetNameType=0x10\r\nActivePage=12\r\nPartsPage=1\r\n");
    support::WriteFileBytes(FolderFile(), "[Option]\r\nCRSilkType=-3\r\n");
    settings::LoadSettings(State());
    EXPECT_EQ(options_.PListType, 2);  // TXT
    EXPECT_EQ(options_.NetNameType, 1);
    EXPECT_EQ(layout_.ActivePage, 0);
    EXPECT_EQ(layout_.PartsPage, 1);
    EXPECT_EQ(options_.CR_SilkType, 1);
    EXPECT_EQ(settings::RadioIndex(3, 3, 0), 2);
    EXPECT_EQ(settings::RadioIndex(0, 3, 1), 0);
}

TEST_F(SettingsFilesTest, HomeAsDrawingsFolderKeepsBothKeySetsInOneFile) {
    folder_ = home_;
    options_.PwParts = "VPP";
    options_.NetSeparator = ".";
    ASSERT_TRUE(settings::SaveSettings(State()).empty());
    TIniFile both(ProgramFile());
    EXPECT_EQ(both.ReadString("Option", "PwParts", ""), "VPP");
    EXPECT_EQ(both.ReadString("Option", "NetSeparator", ""), ".");
}

TEST_F(SettingsFilesTest, UnwritableHomeIsReportedOnceAndTheFolderFileIsStillWritten) {
    support::WriteFileBytes(dir_ / "file", "not a folder");
    support::ScopedProgramHome badHome(dir_ / "file/home");
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui, app::AlgorithmSet::Kind::Indexed, work_);
    ReadEmptyDrawing(state, work_);
    ui.Messages.clear();
    state.Options.NetSeparator = "+";
    state.SaveSettings();
    EXPECT_EQ(ui.MessagesUtf8(), std::vector<std::string>{"環境の保存が出来ません"});
    EXPECT_EQ(TIniFile(FolderFile()).ReadString("Option", "NetSeparator", ""), "+");

    // Both names denoting one unwritable file: still one message.
    support::ScopedProgramHome sameHome(dir_.Path().string());
    fs::create_directory(dir_ / "vornextract.INI");  // a folder where the file should be
    app::MainWindowState inHome(ui, app::AlgorithmSet::Kind::Indexed, dir_.Path());
    ReadEmptyDrawing(inHome, dir_.Path().string());
    ui.Messages.clear();
    inHome.SaveSettings();
    EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(SettingsFilesTest, GroupChecksReadAndWriteTheFolderFile) {
    std::vector<settings::NameGroupItem> groups{{"STD", true}, {"chip", true}};
    support::WriteFileBytes(FolderFile(), "[namegroup]\r\nstd=0\r\nCHIP=0x0\r\n");
    settings::LoadGroupChecks(TIniFile(FolderFile()), groups);
    EXPECT_FALSE(groups[0].Checked);  // key names ignore ASCII case
    EXPECT_FALSE(groups[1].Checked);

    groups.push_back({"NEW", false});
    settings::LoadGroupCheck(groups, 2, TIniFile(FolderFile()));
    EXPECT_TRUE(groups[2].Checked);
    settings::LoadGroupCheck(groups, 7, TIniFile(FolderFile()));  // out of range: ignored

    groups[0].Checked = true;
    ASSERT_TRUE(SaveChecks(groups));
    EXPECT_EQ(support::ReadBytesFile(FolderFile()), "[namegroup]\r\nSTD=1\r\nchip=0\r\nNEW=1\r\n");
}

// Each odd name would be taken for the plain name before it, or not found at all, if it
// were written as it stands; "[F=0" would even start a section and hide the marks after it.
TEST_F(SettingsFilesTest, EveryGroupNameGetsItsOwnCheckMarkBack) {
    const std::vector<std::string> names{"A",
                                         " A",
                                         "B",
                                         "B\t",
                                         "D",
                                         "D=0",
                                         "E",
                                         ";E",
                                         "F=0",
                                         "[F=0",
                                         "[G]",
                                         "%5BG]",
                                         "%H",
                                         "  ",
                                         "",
                                         "Z",
                                         text::Sj("抵抗"),
                                         text::Sj(" 抵抗=[")};
    std::vector<settings::NameGroupItem> groups;
    for (std::size_t i = 0; i < names.size(); ++i) {
        groups.push_back({names[i], i % 2 == 0});
    }
    ASSERT_TRUE(SaveChecks(groups));
    std::vector<settings::NameGroupItem> read = groups;
    for (settings::NameGroupItem& group : read) {
        group.Checked = !group.Checked;
    }
    settings::LoadGroupChecks(TIniFile(FolderFile()), read);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(read[i].Checked, groups[i].Checked) << "group \"" << names[i] << "\"";
        settings::LoadGroupCheck(read, i, TIniFile(FolderFile()));
        EXPECT_EQ(read[i].Checked, groups[i].Checked) << "group \"" << names[i] << "\"";
    }
    // A file from before keeps its plain keys as they were, "%" at the start included.
    support::WriteFileBytes(FolderFile(), "[NameGroup]\r\n%H=0\r\nA=0\r\n");
    settings::LoadGroupChecks(TIniFile(FolderFile()), read);
    EXPECT_FALSE(read[0].Checked);
    EXPECT_FALSE(read[12].Checked);
    EXPECT_TRUE(read[1].Checked);
}

TEST_F(SettingsFilesTest, MainWindowLoadShowsTheDataFolder) {
    support::WriteFileBytes(FolderFile(), "[Option]\r\nDataDir=/drawings\r\nPreFile=x.ce2\r\n");
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui, app::AlgorithmSet::Kind::Indexed, work_);
    state.LoadSettings();
    EXPECT_EQ(state.DataDir, "/drawings");
    EXPECT_EQ(state.PreFile, "x.ce2");
    EXPECT_EQ(ui.PanelUtf8(2), "/drawings");
}

TEST_F(SettingsFilesTest, ReadingADrawingTakesTheSettingsOfItsFolder) {
    std::string drawings = dir_.MakeDir("drawings");
    support::Ce2Builder().WriteTo(drawings + "/a.ce2");
    support::WriteFileBytes(drawings + "/NameTable.Txt", "[Local]\r\nOLD\tNEW\r\n");
    support::WriteFileBytes(
        drawings + "/vornextract.INI",
        "[Option]\r\nNetSeparator=.\r\nDataDir=/elsewhere\r\n[NameGroup]\r\nlocal=0\r\n");
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui, app::AlgorithmSet::Kind::Indexed, work_);
    state.Options.NetSeparator = "+";
    // Before a drawing is read, saving writes no folder settings file where the program
    // started; afterwards into the drawing's folder only.
    state.SaveSettings();
    EXPECT_FALSE(fs::exists(FolderFile()));
    state.ReadDrawing(drawings + "/a.ce2", "a.ce2");
    EXPECT_EQ(state.Options.NetSeparator, ".");
    ASSERT_EQ(state.Options.NameGroup.size(), 1u);
    EXPECT_FALSE(state.Options.NameGroup[0].Checked);
    int group = 0;
    EXPECT_EQ(state.Tables.NameLists->Convert("OLD", group), std::nullopt);
    // The drawing's own folder and file replace what the settings said.
    EXPECT_EQ(state.DataDir, text::Utf8ToCp932(drawings));
    EXPECT_EQ(state.PreFile, "a.ce2");
    state.SaveSettings();
    EXPECT_EQ(TIniFile(drawings + "/vornextract.INI").ReadString("Option", "PreFile", ""), "a.ce2");
    EXPECT_FALSE(fs::exists(FolderFile()));
}

}  // namespace
