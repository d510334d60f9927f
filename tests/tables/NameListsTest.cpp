// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/MainWindowState.h"
#include "support/Ce2Builder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/NameLists.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using tables::NameList;
using tables::TNameLists;
using Cells = std::vector<std::string>;

// A conversion folder, a drawings' folder and a home of their own.
class NameListsTest : public ::testing::Test {
  protected:
    NameListsTest()
        : cvt_(dir_.MakeDir("cvt")),
          drawing_(dir_.MakeDir("drawing")),
          home_(dir_.MakeDir("home")) {}

    std::string CommonFile() const { return cvt_ + "/NameTable.Txt"; }
    std::string EachFile() const { return drawing_ + "/NameTable.Txt"; }
    TNameLists Make() { return TNameLists(cvt_, groups_, commonView_, ui_, drawing_); }
    std::vector<std::string> GroupNames() const {
        std::vector<std::string> names;
        for (const auto& g : groups_) {
            names.push_back(text::Cp932ToUtf8(g.Name));
        }
        return names;
    }

    support::TempDir dir_;
    std::string cvt_;
    std::string drawing_;
    std::string home_;
    support::ScopedProgramHome scopedHome_{home_};
    std::vector<settings::NameGroupItem> groups_;
    support::RecordingListView commonView_;
    support::RecordingListView eachView_;
    support::RecordingUserInterface ui_;
    tables::NameCvtViews views_{eachView_, commonView_};
};

TEST_F(NameListsTest, FileGrammarHeadersDuplicatesAndIgnoredLines) {
    support::WriteCp932File(CommonFile(),
                            "74ls00\t\t\t74HC00\r\n"
                            "no tab here\r\n"
                            "tabs only\t\t\r\n"
                            "\r\n"
                            "74LS00\t\t\tduplicate in STD\r\n"
                            "[抵抗]\n"
                            "10k\t10KΩ 1/4W\n"
                            "\tempty drawing name\n"
                            "[]\n"
                            "74LS00\tother group keeps it\n"
                            "[std]\n"
                            "74Ls00\tSTD again, still a duplicate\n"
                            "[open header\n"
                            "X\tY\tZ\n");
    TNameLists lists = Make();
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"STD", "抵抗", "", "open header"}));
    EXPECT_EQ(support::RowsUtf8(commonView_),
              (std::vector<Cells>{{"STD", "74ls00", "74HC00"},
                                  {"抵抗", "10k", "10KΩ 1/4W"},
                                  {"抵抗", "", "empty drawing name"},
                                  {"", "74LS00", "other group keeps it"},
                                  {"open header", "X", "Y\tZ"}}));
    EXPECT_FALSE(lists.CommonModified);
}

TEST_F(NameListsTest, LongLinesAreReadAsPiecesAndNamesCutAt127Bytes) {
    std::string longName(200, 'N');
    // 254 bytes make the first piece; the rest of the line is a line of its own.
    std::string piece(250, 'A');
    support::WriteFileBytes(CommonFile(), longName + "\tX\r\n" + piece + "\tBBBCC\tDD\r\nE\tF\r\n");
    TNameLists lists = Make();
    const auto& entries = lists.Entries(NameList::Common);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].OrgNameText(), std::string(127, 'N'));
    EXPECT_EQ(entries[1].OrgNameText(), std::string(127, 'A'));
    EXPECT_EQ(entries[1].NewNameText(), "BBB");
    EXPECT_EQ(entries[2].OrgNameText(), "CC");
    EXPECT_EQ(entries[2].NewNameText(), "DD");
    EXPECT_EQ(entries[3].OrgNameText(), "E");
}

TEST_F(NameListsTest, LoadAndSaveWithoutChangesKeepEntriesAndOrderAndAddTheStdHeader) {
    support::WriteCp932File(CommonFile(),
                            "ABCDEFG\tseven\n"
                            "ABCDEFGH\teight\n"
                            "ABCDEFGHIJKLMNO\tfifteen\n"
                            "ABCDEFGHIJKLMNOP\tsixteen\n"
                            "[抵抗]\n"
                            "抵抗\t\t\tR\n"
                            "[STD]\n"
                            "back\tto std\n");
    TNameLists lists = Make();
    ASSERT_TRUE(lists.SaveList(CommonFile(), NameList::Common));
    EXPECT_EQ(support::ReadCp932FileAsUtf8(CommonFile()),
              "[STD]\r\n"
              "ABCDEFG\t\t\tseven\r\n"
              "ABCDEFGH\t\teight\r\n"
              "ABCDEFGHIJKLMNO\t\tfifteen\r\n"
              "ABCDEFGHIJKLMNOP\tsixteen\r\n"
              "[抵抗]\r\n"
              "抵抗\t\t\tR\r\n"
              "[STD]\r\n"
              "back\t\t\tto std\r\n");
    std::string saved = support::ReadBytesFile(CommonFile());
    ASSERT_TRUE(lists.LoadList(CommonFile(), commonView_, NameList::Common, drawing_));
    ASSERT_TRUE(lists.SaveList(CommonFile(), NameList::Common));
    EXPECT_EQ(support::ReadBytesFile(CommonFile()), saved);
}

TEST_F(NameListsTest, ConvertPrefersThePerDrawingListAndSkipsUncheckedGroups) {
    support::WriteCp932File(CommonFile(), "[A]\r\nlm358\tCOMMON-A\r\n[B]\r\nLM358\tCOMMON-B\r\n");
    support::WriteCp932File(EachFile(), "[Local]\r\nLm358\tEACH\r\n");
    TNameLists lists = Make();
    ASSERT_TRUE(lists.LoadList(EachFile(), eachView_, NameList::Each, drawing_));
    int group = 99;
    EXPECT_EQ(lists.Convert("LM358", group), "EACH");
    EXPECT_EQ(text::Cp932ToUtf8(lists.GroupName(group)), "Local");
    groups_[static_cast<std::size_t>(group)].Checked = false;
    EXPECT_EQ(lists.Convert("LM358", group), "COMMON-A");
    groups_[0].Checked = false;
    EXPECT_EQ(lists.Convert("lm358", group), "COMMON-B");
    EXPECT_EQ(lists.Convert("LM3580", group), std::nullopt);
    EXPECT_EQ(group, -1);
}

TEST_F(NameListsTest, NewGroupsTakeTheirRememberedCheckMark) {
    support::WriteFileBytes(drawing_ + "/vornextract.INI", "[NameGroup]\r\nchip=0\r\n");
    support::WriteCp932File(CommonFile(), "[CHIP]\r\nR1005\tR\r\n[Other]\r\nQ\tQ\r\n");
    TNameLists lists = Make();
    ASSERT_EQ(groups_.size(), 2u);
    EXPECT_FALSE(groups_[0].Checked);
    EXPECT_TRUE(groups_[1].Checked);
    EXPECT_EQ(lists.FindGroup("chip", drawing_), 0);  // known: not added again
    EXPECT_EQ(groups_.size(), 2u);
    int group = 0;
    EXPECT_EQ(lists.Convert("R1005", group), std::nullopt);
}

TEST_F(NameListsTest, MissingFileChangesNothingAndEmptyListLeavesTheFileAlone) {
    support::WriteCp932File(CommonFile(), "A\tB\r\n");
    TNameLists lists = Make();
    lists.CommonModified = true;
    EXPECT_FALSE(lists.LoadList(cvt_ + "/missing.txt", commonView_, NameList::Common, drawing_));
    EXPECT_EQ(lists.Entries(NameList::Common).size(), 1u);
    EXPECT_EQ(commonView_.RowCount(), 1);
    EXPECT_TRUE(lists.CommonModified);
    // A folder in the file's place cannot be read either.
    fs::create_directory(drawing_ + "/NameTable.Txt");
    EXPECT_FALSE(lists.LoadList(EachFile(), eachView_, NameList::Each, drawing_));

    lists.CurrentRow = TNameLists::RowRef{NameList::Common, 0};
    lists.DeleteCurrent(views_);
    EXPECT_TRUE(lists.CommonModified);
    lists.SaveModified(drawing_);
    EXPECT_FALSE(lists.CommonModified);
    EXPECT_EQ(support::ReadBytesFile(CommonFile()), "A\tB\r\n");
}

TEST_F(NameListsTest, FailedSaveIsReportedAndKeepsTheChangeForTheNextChance) {
    support::WriteCp932File(CommonFile(), "A\tB\r\nC\tD\r\n");
    TNameLists lists = Make();
    lists.CurrentRow = TNameLists::RowRef{NameList::Common, 0};
    lists.DeleteCurrent(views_);
    fs::rename(cvt_, cvt_ + ".away");  // the folder is gone: nothing can be written there
    lists.SaveModified(drawing_);
    EXPECT_EQ(ui_.MessagesUtf8(),
              std::vector<std::string>{CommonFile() + "\nファイルが作成出来ません"});
    EXPECT_TRUE(lists.CommonModified);
    fs::rename(cvt_ + ".away", cvt_);
    EXPECT_EQ(support::ReadBytesFile(CommonFile()), "A\tB\r\nC\tD\r\n");
    lists.SaveModified(drawing_);
    EXPECT_FALSE(lists.CommonModified);
    EXPECT_EQ(support::ReadBytesFile(CommonFile()), "[STD]\r\nC\t\t\tD\r\n");
    EXPECT_EQ(support::FileCount(cvt_), 1);
}

TEST_F(NameListsTest, DragAndDropMovesWithinAViewAndCopiesBetweenViews) {
    support::WriteCp932File(CommonFile(), "A\t1\r\nB\t2\r\nC\t3\r\nD\t4\r\n");
    support::WriteCp932File(EachFile(), "X\t9\r\n");
    TNameLists lists = Make();
    lists.LoadList(EachFile(), eachView_, NameList::Each, drawing_);
    auto orgNames = [&](NameList which) {
        std::string names;
        for (const auto& e : lists.Entries(which)) {
            names += e.OrgNameText();
        }
        return names;
    };

    commonView_.Select(1);
    lists.DragDrop(views_, NameList::Common, NameList::Common, 1);  // onto itself: nothing
    EXPECT_FALSE(lists.CommonModified);
    lists.DragDrop(views_, NameList::Common, NameList::Common,
                   2);  // onto the row below: same order
    EXPECT_EQ(orgNames(NameList::Common), "ABCD");

    commonView_.Select(0);
    lists.DragDrop(views_, NameList::Common, NameList::Common, 3);  // lands before D
    EXPECT_EQ(orgNames(NameList::Common), "BCAD");
    EXPECT_EQ(support::RowUtf8(commonView_, 2), (Cells{"STD", "A", "1"}));
    EXPECT_TRUE(lists.CommonModified);
    commonView_.Select(3);
    lists.DragDrop(views_, NameList::Common, NameList::Common, 0);
    EXPECT_EQ(orgNames(NameList::Common), "DBCA");

    commonView_.Select(1);
    lists.DragDrop(views_, NameList::Common, NameList::Each, 0);  // copied after X
    EXPECT_EQ(orgNames(NameList::Each), "XB");
    EXPECT_EQ(orgNames(NameList::Common), "DBCA");
    EXPECT_EQ(support::RowUtf8(eachView_, 1), (Cells{"STD", "B", "2"}));
    EXPECT_TRUE(lists.EachModified);

    commonView_.Select(-1);
    lists.DragDrop(views_, NameList::Common, NameList::Each, 0);  // nothing dragged
    lists.DragDrop(views_, NameList::Each, NameList::Common, -1);
    EXPECT_EQ(orgNames(NameList::Each), "XB");

    EXPECT_TRUE(TNameLists::DragOverAccepted(NameList::Each, NameList::Common, 0));
    EXPECT_FALSE(TNameLists::DragOverAccepted(NameList::Each, NameList::Common, -1));
    EXPECT_FALSE(TNameLists::DragOverAccepted(std::nullopt, NameList::Common, 0));
}

TEST_F(NameListsTest, DeleteAsksWithTheEntryAndOnlyYesRemovesIt) {
    support::WriteCp932File(EachFile(), "[抵抗]\r\n10k\t10KΩ\r\n");
    TNameLists lists = Make();
    lists.LoadList(EachFile(), eachView_, NameList::Each, drawing_);
    lists.MouseDown(NameList::Each, -1);
    lists.DeleteCurrent(views_);
    EXPECT_TRUE(ui_.Questions.empty());

    lists.MouseDown(NameList::Each, 0);
    ui_.YesNoAnswers = {false};
    lists.DeleteCurrent(views_);
    ASSERT_EQ(ui_.Questions.size(), 1u);
    EXPECT_EQ(
        text::Cp932ToUtf8(ui_.Questions[0]),
        "各図個別　変換リスト\n\n部品名(図中)\t10k\n部品名\t\t10KΩ\n\n\tを削除して良いですか");
    EXPECT_EQ(lists.Entries(NameList::Each).size(), 1u);
    EXPECT_FALSE(lists.EachModified);

    lists.DeleteCurrent(views_);  // Yes
    EXPECT_TRUE(lists.Entries(NameList::Each).empty());
    EXPECT_EQ(eachView_.RowCount(), 0);
    EXPECT_TRUE(lists.EachModified);
    EXPECT_FALSE(lists.CurrentRow);
}

TEST_F(NameListsTest, EntryEditUpdatesOrInsertsOnlyWhenTheInputDiffers) {
    support::WriteCp932File(CommonFile(), "a\tb\r\nc\td\r\n");
    TNameLists lists = Make();
    EXPECT_FALSE(lists.ApplyEntryEdit(views_, TNameLists::EditMode::Update, "A", "B", "std",
                                      drawing_));  // no current row
    lists.MouseDown(NameList::Common, 0);
    EXPECT_FALSE(
        lists.ApplyEntryEdit(views_, TNameLists::EditMode::Update, "A", "B", "std", drawing_));
    EXPECT_FALSE(
        lists.ApplyEntryEdit(views_, TNameLists::EditMode::Insert, "a", "b", "STD", drawing_));
    EXPECT_FALSE(lists.CommonModified);

    std::string longName(130, 'L');
    EXPECT_TRUE(lists.ApplyEntryEdit(views_, TNameLists::EditMode::Insert, longName, "new", "Fresh",
                                     drawing_));
    ASSERT_EQ(lists.Entries(NameList::Common).size(), 3u);
    EXPECT_EQ(lists.Entries(NameList::Common)[1].OrgNameText(), std::string(127, 'L'));
    EXPECT_EQ(support::RowUtf8(commonView_, 1), (Cells{"Fresh", longName, "new"}));
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"STD", "Fresh"}));
    EXPECT_TRUE(lists.CommonModified);

    EXPECT_TRUE(
        lists.ApplyEntryEdit(views_, TNameLists::EditMode::Update, "a", "B2", "STD", drawing_));
    EXPECT_EQ(lists.Entries(NameList::Common)[0].NewNameText(), "B2");
    EXPECT_EQ(support::RowUtf8(commonView_, 0), (Cells{"STD", "a", "B2"}));
}

TEST_F(NameListsTest, ReadingADrawingLoadsTheNameTableOfItsFolder) {
    support::WriteCp932File(EachFile(), "[Local]\r\nOLD\tNEW\r\n");
    std::string other = dir_.MakeDir("other");
    support::WriteCp932File(other + "/NameTable.Txt", "ELSEWHERE\tX\r\n");
    support::Ce2Builder().WriteTo(drawing_ + "/a.ce2");
    support::Ce2Builder().WriteTo(other + "/b.ce2");
    support::WriteFileBytes(home_ + "/vornextract.INI", "[Option]\r\nCvtDir=" + cvt_ + "\r\n");

    support::RecordingUserInterface ui;
    app::MainWindowState state(ui);
    state.ReadDrawing(drawing_ + "/a.ce2", "a.ce2");
    ASSERT_TRUE(state.Tables.Created());
    EXPECT_EQ(state.Options.CvtDir, cvt_);
    int group = 0;
    EXPECT_EQ(state.Tables.NameLists->Convert("old", group), "NEW");
    state.ReadDrawing(other + "/b.ce2", "b.ce2");
    EXPECT_EQ(state.Tables.NameLists->Convert("old", group), std::nullopt);
    EXPECT_EQ(state.Tables.NameLists->Convert("elsewhere", group), "X");
    EXPECT_EQ(state.DrawingFolder(), fs::path(other));
}

}  // namespace
