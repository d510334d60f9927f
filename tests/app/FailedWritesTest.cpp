// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/MainWindowState.h"
#include "platform/KeyStore.h"
#include "support/Ce2Builder.h"
#include "support/FullDisk.h"
#include "support/LibBuilder.h"
#include "support/TableFiles.h"
#include "tables/FootList.h"
#include "tables/MakerLists.h"
#include "tables/NameLists.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;

// Every file the program writes, written while the disk is full: each keeps its previous
// bytes, no temporary file is left beside it, and the user is told.
class FailedWritesTest : public ::testing::Test {
  protected:
    FailedWritesTest() { fs::current_path(work_); }

    // The files of a folder with their bytes, to compare before and after.
    static std::map<std::string, std::string> Snapshot(const std::string& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder)) {
            files[entry.path().filename().string()] =
                entry.is_regular_file() ? support::ReadBytesFile(entry.path().string()) : "<dir>";
        }
        return files;
    }

    support::EditorSandbox sandbox_;
    std::string work_ = sandbox_.Dir.MakeDir("work");
    std::string cvt_ = sandbox_.Dir.MakeDir("cvt");
    support::RecordingUserInterface ui_;
};

TEST_F(FailedWritesTest, TablesKeepTheirFilesAndSaySo) {
    support::WriteFileBytes(cvt_ + "/MakerTable.Txt", "NE555\tTI\r\n");
    support::WriteFileBytes(cvt_ + "/FootPrintList.txt", "R\tR1608\tR\r\n");
    support::WriteFileBytes(cvt_ + "/NameTable.Txt", "10k\tRES-10K\r\n");
    auto before = Snapshot(cvt_);

    support::RecordingListView makerView, footView, nameView;
    tables::TMakerLists makers(cvt_, makerView, ui_);
    tables::TFootList foot(cvt_, footView, ui_);
    std::vector<settings::NameGroupItem> groups;
    tables::TNameLists names(cvt_, groups, nameView, ui_, work_);
    {
        support::ScopedFullDisk full;
        makers.AddFromBoxes(makerView, {"LM358", "NJR"});
        foot.AddFoot(std::make_unique<model::TFootRec>(model::TFootRec{"C", "C1608", "C"}),
                     footView);
        EXPECT_FALSE(foot.SaveFoot());
        EXPECT_FALSE(names.SaveList(names.CommonPath(), tables::NameList::Common));
    }
    EXPECT_EQ(Snapshot(cvt_), before);
    EXPECT_TRUE(makers.Unsaved);
    EXPECT_EQ(ui_.MessagesUtf8(),
              (std::vector<std::string>{cvt_ + "/MakerTable.Txt\nファイルが作成出来ません",
                                        cvt_ + "/FootPrintList.txt\nファイルが作成出来ません",
                                        cvt_ + "/NameTable.Txt\nファイルが作成出来ません"}));
    // With room again the change that was kept in memory goes out.
    EXPECT_TRUE(makers.SaveMakers());
    EXPECT_EQ(support::ReadBytesFile(cvt_ + "/MakerTable.Txt"),
              "LM358\t\t\tNJR\r\nNE555\t\t\tTI\r\n");
}

TEST_F(FailedWritesTest, SettingsAndKeyStoreKeepTheirFiles) {
    app::MainWindowState state(ui_);
    // A drawing read makes its folder the one of the folder settings file.
    support::Ce2Builder().WriteTo(work_ + "/empty.ce2");
    state.ReadDrawing(work_ + "/empty.ce2", "empty.ce2");
    ui_.Messages.clear();
    state.Options.NetSeparator = "+";
    state.SaveSettings();
    platform::KeyStore store;
    ASSERT_TRUE(store.SetDefaultValue("HKEY_CLASSES_ROOT\\A", "old"));
    ASSERT_TRUE(ui_.Messages.empty());
    auto home = Snapshot(sandbox_.Dir.Path().string());
    auto work = Snapshot(work_);

    state.Options.NetSeparator = "-";
    {
        support::ScopedFullDisk full;
        state.SaveSettings();
        EXPECT_FALSE(store.SetDefaultValue("HKEY_CLASSES_ROOT\\A", "new"));
        EXPECT_FALSE(store.CreateKey("HKEY_CLASSES_ROOT\\B"));
        EXPECT_FALSE(store.DeleteKey("HKEY_CLASSES_ROOT\\A"));
    }
    EXPECT_EQ(Snapshot(sandbox_.Dir.Path().string()), home);
    EXPECT_EQ(Snapshot(work_), work);
    EXPECT_EQ(ui_.MessagesUtf8(),
              (std::vector<std::string>{"環境の保存が出来ません", "環境の保存が出来ません"}));
    // The store in memory is what the file holds.
    EXPECT_EQ(store.DefaultValue("HKEY_CLASSES_ROOT\\A"), "old");
    EXPECT_FALSE(store.KeyExists("HKEY_CLASSES_ROOT\\B"));
}

TEST_F(FailedWritesTest, OutputFilesKeepTheirFilesAndSaySo) {
    support::LibBuilder()
        .Symbol({"R", 4, 2, 1, {{1, 0, {support::PinNoWord(1)}}, {1, 2, {support::PinNoWord(2)}}}})
        .WriteTo(work_ + "/parts.lib");
    support::WriteFileBytes(work_ + "/vorn.ini", support::VornIni({"parts.lib"}));
    app::MainWindowState state(ui_);
    support::Ce2Builder d;
    d.Part({50, 10, 0, 0, "10k", "R1", "R"})  // two resistors in series
        .Part({150, 10, 0, 0, "4.7k", "R2", "R"})
        .Wire(60, 0, 100, 0);
    state.ReadDrawing(d.WriteTo(work_ + "/a.ce2"), "a.ce2");
    state.FinishLoad();
    ASSERT_EQ(state.PartsList.Count(), 2);
    std::string out = sandbox_.Dir.MakeDir("out");
    for (const char* name : {"a.njp", "a.net", "a_Protel.net"}) {
        support::WriteFileBytes(out + "/" + name, "previous");
    }
    {
        support::ScopedFullDisk full;
        EXPECT_FALSE(state.WritePartsListFile(out + "/a.njp", output::PartsListFormat::Njp));
        EXPECT_FALSE(state.WriteSimpleNetFile(out + "/a.net"));
        EXPECT_FALSE(state.WriteProtelNetFile(out + "/a_Protel.net"));
    }
    EXPECT_EQ(Snapshot(out),
              (std::map<std::string, std::string>{
                  {"a.njp", "previous"}, {"a.net", "previous"}, {"a_Protel.net", "previous"}}));
    EXPECT_EQ(ui_.MessagesUtf8(),
              (std::vector<std::string>{out + "/a.njp\n\t書き込みが出来ません。",
                                        out + "/a.net\n\t書き込みが出来ません。",
                                        out + "/a_Protel.net\n\t書き込みが出来ません。"}));
    EXPECT_TRUE(state.NotSaved);
}

}  // namespace
