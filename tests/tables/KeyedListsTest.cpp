// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/FootList.h"
#include "tables/KeyOrder.h"
#include "tables/MakerLists.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace {

namespace fs = std::filesystem;
using Cells = std::vector<std::string>;
using tables::CompareKeys;
using tables::WildcardEqual;

TEST(KeyOrder, CompareKeysOrdersWildcardsAfterThePlainKeysTheyMatch) {
    EXPECT_EQ(CompareKeys("74hc00", "74HC00"), 0);
    EXPECT_EQ(CompareKeys("74HC??", "74HC00"), WildcardEqual);
    EXPECT_EQ(CompareKeys("74HC??", "74HC"), 0);  // trailing "?" match the end
    EXPECT_GT(CompareKeys("74HC00", "74HC??"), 0);
    EXPECT_LT(CompareKeys("ABC", "AB"), 0);  // a prefix sorts first
    EXPECT_GT(CompareKeys("AB", "ABC"), 0);
    EXPECT_LT(CompareKeys("B", "a"), 0);  // case ignored: A before B
    EXPECT_GT(CompareKeys("a", "B"), 0);
    // A Shift-JIS key and its prefix, whatever the next byte.
    std::string kanji = text::Sj("抵抗器");
    EXPECT_LT(CompareKeys(kanji, text::Sj("抵抗")), 0);
    EXPECT_GT(CompareKeys(text::Sj("抵抗"), kanji), 0);
    EXPECT_GT(CompareKeys("\x81\x40", "\x82\x40"), 0);  // unsigned bytes
}

TEST(KeyOrder, WildcardMatchesOneCharacterOrTheEnd) {
    EXPECT_TRUE(tables::WildcardMatches("74HC??", "74HC00"));
    EXPECT_TRUE(tables::WildcardMatches("74HC??", "74hc0"));
    EXPECT_TRUE(tables::WildcardMatches("74HC??", "74HC"));
    EXPECT_FALSE(tables::WildcardMatches("74HC??", "74HC000"));
    EXPECT_FALSE(tables::WildcardMatches("74HC00", "74HC0"));
    EXPECT_FALSE(tables::WildcardMatches("74HC0", "74HC00"));
    EXPECT_TRUE(tables::WildcardMatches("", ""));
}

// Large files are filed by one sort and searched by halving while the order is plain; both
// must give exactly what filing one by one with the walk gives.
TEST(KeyOrder, SortAndBinarySearchAgreeWithTheWalkOnPlainKeys) {
    using Entry = std::pair<std::string, int>;
    auto keyOf = [](const Entry& e) -> std::string_view { return e.first; };
    std::mt19937 random(7);
    auto randomKey = [&] {
        std::string key;
        for (int n = static_cast<int>(random() % 5); n > 0; --n) {
            key.push_back("aAbB\x82"[random() % 5]);
        }
        return key;
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<Entry> read;
        for (int i = 0; i < 40; ++i) {
            read.push_back({randomKey(), i});
        }
        std::vector<Entry> walked;
        for (const Entry& entry : read) {
            tables::KeyPlace place = tables::FindKeyPlace(walked, entry.first, keyOf, false);
            if (place.Equal) {
                walked[place.Index].second = entry.second;
            } else {
                walked.insert(walked.begin() + static_cast<std::ptrdiff_t>(place.Index), entry);
            }
        }
        std::vector<Entry> sorted = read;
        ASSERT_TRUE(tables::SortPlainEntries(
            sorted, keyOf, [](Entry& kept, const Entry& later) { kept.second = later.second; }));
        ASSERT_EQ(sorted, walked);
        for (int probe = 0; probe < 20; ++probe) {
            std::string key = randomKey();
            tables::KeyPlace fast = tables::FindKeyPlace(walked, key, keyOf, true);
            tables::KeyPlace slow = tables::FindKeyPlace(walked, key, keyOf, false);
            EXPECT_EQ(fast.Index, slow.Index);
            EXPECT_EQ(fast.Equal, slow.Equal);
        }
    }
    std::vector<Entry> wild{{"A?", 1}};
    EXPECT_FALSE(tables::SortPlainEntries(wild, keyOf, [](Entry&, const Entry&) {}));
}

class KeyedListsTest : public ::testing::Test {
  protected:
    KeyedListsTest() : cvt_(dir_.MakeDir("cvt")) {}

    support::TempDir dir_;
    std::string cvt_;
    support::RecordingListView view_;
    support::RecordingUserInterface ui_;
};

TEST_F(KeyedListsTest, MakerFileLoadsInKeyOrderAndSavesThatOrder) {
    std::string file = cvt_ + "/MakerTable.Txt";
    support::WriteCp932File(file,
                            "b\tY\r\n"
                            "74HC??\tWILD\n"
                            "no tab\r\n"
                            "A\tX\r\n"
                            "74HC00\tOWN\r\n"
                            "a\t\t\tlater wins\r\n"
                            "ABCDEFGH\t東芝\r\n"
                            "ABCDEFGHIJKLMNOP\tsixteen\r\n");
    tables::TMakerLists makers(cvt_, view_, ui_);
    EXPECT_EQ(support::RowsUtf8(view_), (std::vector<Cells>{{"74HC00", "OWN"},
                                                            {"74HC??", "WILD"},
                                                            {"A", "later wins"},
                                                            {"ABCDEFGH", "東芝"},
                                                            {"ABCDEFGHIJKLMNOP", "sixteen"},
                                                            {"b", "Y"}}));
    EXPECT_EQ(view_.SelectedRow, 0);
    EXPECT_EQ(makers.FindMaker("74hc00"), "OWN");
    EXPECT_EQ(makers.FindMaker("74HC04"), "WILD");
    EXPECT_EQ(makers.FindMaker("74HC004"), std::nullopt);
    ASSERT_TRUE(makers.SaveMakers());
    EXPECT_EQ(support::ReadCp932FileAsUtf8(file),
              "74HC00\t\t\tOWN\r\n"
              "74HC??\t\t\tWILD\r\n"
              "A\t\t\tlater wins\r\n"
              "ABCDEFGH\t\t東芝\r\n"
              "ABCDEFGHIJKLMNOP\tsixteen\r\n"
              "b\t\t\tY\r\n");
}

TEST_F(KeyedListsTest, AWildcardKeyOnceFiledKeepsTheWalkAfterItIsGone) {
    tables::TMakerLists makers(cvt_, view_, ui_);
    for (const char* key : {"?B", "AC", "AA", "AD", "Z"}) {
        makers.AddFromBoxes(view_, {key, "M"});
    }
    view_.Select(2);
    makers.DeleteSelected(view_, {"?B", "M"});
    makers.AddFromBoxes(view_, {"AE", "M"});
    std::string keys;
    for (const auto& entry : makers.Entries()) {
        keys += std::string(text::FieldText(entry.CvtName)) + " ";
    }
    EXPECT_EQ(keys, "AA AE Z AC AD ");
}

TEST_F(KeyedListsTest, MakerTextsAreCutAndMissingFileChangesNothing) {
    support::WriteFileBytes(cvt_ + "/MakerTable.Txt",
                            std::string(140, 'K') + "\t" + std::string(40, 'M') + "\r\n");
    tables::TMakerLists makers(cvt_, view_, ui_);
    ASSERT_EQ(makers.Entries().size(), 1u);
    EXPECT_EQ(text::FieldText(makers.Entries()[0].CvtName).size(), 127u);
    EXPECT_EQ(text::FieldText(makers.Entries()[0].MakerName).size(), 31u);
    fs::remove(cvt_ + "/MakerTable.Txt");
    EXPECT_FALSE(makers.LoadMakers(view_));
    EXPECT_EQ(makers.Entries().size(), 1u);
    EXPECT_EQ(view_.RowCount(), 1);
}

TEST_F(KeyedListsTest, MakerTabAddsReplacesAndDeletesUnderTheirConditions) {
    std::string file = cvt_ + "/MakerTable.Txt";
    support::WriteCp932File(file, "NE555\tTI\r\n");
    tables::TMakerLists makers(cvt_, view_, ui_);

    makers.AddFromBoxes(view_, {"LM358", ""});  // both boxes needed
    EXPECT_EQ(makers.Entries().size(), 1u);
    makers.AddFromBoxes(view_, {"LM358", "NJR"});
    EXPECT_EQ(view_.SelectedRow, 0);
    EXPECT_EQ(support::ReadBytesFile(file), "LM358\t\t\tNJR\r\nNE555\t\t\tTI\r\n");

    fs::remove(file);
    makers.ReplaceSelected(view_, {"LM358", "NJR"});  // unchanged: nothing written
    EXPECT_FALSE(fs::exists(file));
    makers.ReplaceSelected(view_, {"LM358", "njr"});  // case counts here
    EXPECT_EQ(support::ReadBytesFile(file), "LM358\t\t\tnjr\r\nNE555\t\t\tTI\r\n");

    view_.Select(1);
    makers.DeleteSelected(view_, {"ne555", "XX"});  // boxes must show the entry
    EXPECT_TRUE(ui_.Questions.empty());
    ui_.YesNoAnswers = {false};
    makers.DeleteSelected(view_, {"ne555", "ti"});
    ASSERT_EQ(ui_.Questions.size(), 1u);
    EXPECT_EQ(text::Cp932ToUtf8(ui_.Questions[0]),
              "部品名：NE555\nメーカー：TI\n\tを削除して良いですか？");
    EXPECT_EQ(makers.Entries().size(), 2u);
    makers.DeleteSelected(view_, {"NE555", "TI"});
    makers.DeleteSelected(view_, {"LM358", "njr"});  // nothing selected any more
    view_.Select(0);
    makers.DeleteSelected(view_, {"LM358", "njr"});
    EXPECT_TRUE(makers.Entries().empty());
    EXPECT_EQ(support::ReadBytesFile(file), "");  // an empty maker list is an empty file
}

TEST_F(KeyedListsTest, MakerSaveFailureIsReportedAndRemembered) {
    tables::TMakerLists makers(cvt_, view_, ui_);
    const std::string file = cvt_ + "/MakerTable.Txt";
    fs::create_directory(file);  // where the file should be written
    makers.AddFromBoxes(view_, {"A", "B"});
    EXPECT_EQ(ui_.MessagesUtf8(), std::vector<std::string>{file + "\nファイルが作成出来ません"});
    EXPECT_TRUE(makers.Unsaved);
    EXPECT_EQ(makers.Entries().size(), 1u);
    fs::remove(file);
    EXPECT_TRUE(makers.SaveMakers());
    EXPECT_FALSE(makers.Unsaved);
}

TEST_F(KeyedListsTest, FootFileGrammarOrderAndRoundTrip) {
    std::string file = cvt_ + "/FootPrintList.txt";
    support::WriteCp932File(file,
                            "SOP8\r\n"
                            "NE555\tDIP8\r\n"
                            "LM78??\tTO220\t\t7805系\r\n"
                            "lm7805\tTO92\r\n"
                            "R1005\t\t\tR_0402\t\t抵抗\r\n"
                            "LM7805\tTO220_HS\t\r\n"
                            "KEY\t\t\r\n");
    tables::TFootList foot(cvt_, view_, ui_);
    EXPECT_EQ(support::RowsUtf8(view_), (std::vector<Cells>{{"lm7805", "TO220_HS", ""},
                                                            {"LM78??", "TO220", "7805系"},
                                                            {"NE555", "DIP8", ""},
                                                            {"R1005", "R_0402", "抵抗"}}));
    EXPECT_EQ(view_.RowData(0), foot.Entries()[0].get());
    EXPECT_EQ(foot.FindFoot("LM7805")->FootPrint, "TO220_HS");
    EXPECT_EQ(foot.FindFoot("LM7812")->FootPrint, "TO220");
    EXPECT_EQ(foot.FindFoot("LM78")->FootPrint, "TO220");
    EXPECT_EQ(foot.FindFoot("LM780")->FootPrint, "TO220");
    EXPECT_EQ(foot.FindFoot("LM78123"), nullptr);
    ASSERT_TRUE(foot.SaveFoot());
    EXPECT_EQ(support::ReadCp932FileAsUtf8(file),
              "lm7805\t\t\tTO220_HS\t\r\n"
              "LM78??\t\t\tTO220\t\t7805系\r\n"
              "NE555\t\t\tDIP8\t\t\r\n"
              "R1005\t\t\tR_0402\t\t抵抗\r\n");
}

// The second byte of ア is "A" and that of ヂ is "a" (likewise コ/ビ, 但/誕): folding those
// bytes made two keys one, and the next save dropped an entry from the file.
TEST_F(KeyedListsTest, DoubleByteKeysWhoseSecondBytesLookLikeLettersStayApart) {
    const std::string makerFile = cvt_ + "/MakerTable.Txt";
    const std::string footFile = cvt_ + "/FootPrintList.txt";
    const std::string makerText = "ア\tMAKER-A\r\nヂ\tMAKER-DI\r\nコ?\tWILD-KO\r\nビ\tMAKER-BI\r\n";
    support::WriteCp932File(makerFile, makerText);
    support::WriteCp932File(footFile, "但\tFP-TAN\r\n誕\tFP-TAN2\r\nab?\tFP-AB\r\n");
    for (int round = 0; round < 2; ++round) {  // as loaded, then as saved and loaded again
        support::RecordingListView makerView;
        support::RecordingListView footView;
        tables::TMakerLists makers(cvt_, makerView, ui_);
        tables::TFootList foot(cvt_, footView, ui_);
        ASSERT_EQ(makers.Entries().size(), 4u);
        ASSERT_EQ(foot.Entries().size(), 3u);
        EXPECT_EQ(makers.FindMaker(text::Sj("ア")), "MAKER-A");
        EXPECT_EQ(makers.FindMaker(text::Sj("ヂ")), "MAKER-DI");
        EXPECT_EQ(makers.FindMaker(text::Sj("ビ")), "MAKER-BI");
        EXPECT_EQ(makers.FindMaker(text::Sj("コ")), "WILD-KO");
        EXPECT_EQ(foot.FindFoot(text::Sj("但"))->FootPrint, "FP-TAN");
        EXPECT_EQ(foot.FindFoot(text::Sj("誕"))->FootPrint, "FP-TAN2");
        EXPECT_EQ(foot.FindFoot("ABC")->FootPrint, "FP-AB");  // single-byte letters still fold
        ASSERT_TRUE(makers.SaveMakers());
        ASSERT_TRUE(foot.SaveFoot());
    }
    EXPECT_NE(support::ReadCp932FileAsUtf8(makerFile).find("ヂ\t\t\tMAKER-DI"), std::string::npos);
    EXPECT_TRUE(tables::WildcardMatches("ab?", "ABx"));
    EXPECT_FALSE(tables::WildcardMatches(text::Sj("ア"), text::Sj("ヂ")));
}

TEST_F(KeyedListsTest, FootTabOperationsAndMessages) {
    std::string file = cvt_ + "/FootPrintList.txt";
    tables::TFootList foot(cvt_, view_, ui_);      // no file yet: empty
    foot.AddFromBoxes(view_, {"C1608", "", "C"});  // no footprint: refused
    EXPECT_FALSE(fs::exists(file));
    foot.AddFromBoxes(view_, {"C1608", "CAP_0603", "C"});
    foot.AddFromBoxes(view_, {"ABCDEFGHIJKLMNOP", "1234567", ""});
    EXPECT_EQ(support::ReadBytesFile(file),
              "ABCDEFGHIJKLMNOP\t1234567\t\t\r\n"
              "C1608\t\t\tCAP_0603\tC\r\n");

    view_.Select(1);
    EXPECT_EQ(foot.BoxesOf(1).Silk, "C");
    foot.DeleteSelected(view_, {"c1608", "CAP_0603X", ""});
    EXPECT_TRUE(ui_.Questions.empty());
    foot.ReplaceSelected(view_, {"C1608", "CAP_0603", "C2"});
    EXPECT_EQ(foot.FindFoot("C1608")->SilkName, "C2");
    foot.DeleteSelected(view_, {"c1608", "cap_0603", "ignored"});
    ASSERT_EQ(ui_.Questions.size(), 1u);
    EXPECT_EQ(text::Cp932ToUtf8(ui_.Questions[0]),
              "部品名：C1608\nフットプリント：CAP_0603\n\tを削除して良いですか？");
    view_.Select(0);
    foot.DeleteSelected(view_, {"ABCDEFGHIJKLMNOP", "1234567", ""});
    EXPECT_TRUE(foot.Entries().empty());
    // The last entry gone: the file keeps what it had.
    EXPECT_EQ(support::ReadBytesFile(file), "ABCDEFGHIJKLMNOP\t1234567\t\t\r\n");

    fs::remove(file);
    fs::create_directory(file);  // exists but cannot be read as a file
    foot.AddFromBoxes(view_, {"K", "F", ""});
    EXPECT_FALSE(foot.LoadFoot(view_));
    EXPECT_EQ(foot.Entries().size(), 1u);
    EXPECT_EQ(ui_.MessagesUtf8(), (std::vector<std::string>{file + "\nファイルが作成出来ません",
                                                            file + "\nファイルが開けません"}));
    fs::remove(file);
    EXPECT_TRUE(foot.LoadFoot(view_));  // missing: nothing changes
    EXPECT_EQ(foot.Entries().size(), 1u);
}

}  // namespace
