// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "library/LibraryFiles.h"
#include "platform/KeyStore.h"
#include "settings/IniFile.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/FootList.h"
#include "tables/MakerLists.h"
#include "tables/NameLists.h"
#include "tables/PinCvtList.h"
#include "text/Cp932.h"

// Every reader of a file that can arrive cut short (a copy broken off, a full disk on the
// machine that wrote it), cut at every byte: each cut gives one of the reader's messages
// or ends cleanly, and what came before the cut is read as it was.
namespace {

using support::Lb3Symbol;
using support::LibSymbol;
using support::PinNoWord;

// Calls `check(cut, boundary)` for every cut of `bytes`, where `boundary` is the length
// of the complete lines in the cut.
void ForEachCut(const std::string& bytes,
                const std::function<void(const std::string& cut, std::size_t boundary)>& check) {
    std::size_t boundary = 0;
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        if (length > 0 && bytes[length - 1] == '\n') {
            boundary = length;
        }
        check(bytes.substr(0, length), boundary);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "cut at byte " << length;
            return;
        }
    }
}

class TruncatedFiles : public ::testing::Test {
  protected:
    // A library read alone into a fresh list.
    std::vector<std::string> ReadLibrary(const std::string& name, const std::string& bytes,
                                         library::TLibList& list) {
        list.FileNames[0] = support::WriteFileBytes(dir_ / name, bytes);
        support::RecordingUserInterface ui;
        if (name.ends_with(".lib")) {
            library::ReadLibFile(list, 0, dir_.Path(), ui);
        } else {
            library::ReadLb3File(list, 0, dir_.Path(), ui);
        }
        return ui.MessagesUtf8();
    }

    // Rows of a table's view after loading `bytes` as its file, with the messages shown.
    using Rows = std::vector<std::vector<std::string>>;
    Rows LoadTable(const char* file, const std::string& bytes) {
        support::WriteFileBytes(cvt_ + "/" + file, bytes);
        support::RecordingUserInterface ui;
        support::RecordingListView view;
        std::string name = file;
        if (name == tables::TMakerLists::kFileName) {
            tables::TMakerLists makers(cvt_, view, ui);
        } else if (name == tables::TFootList::kFileName) {
            tables::TFootList foot(cvt_, view, ui);
        } else if (name == tables::TNameLists::kFileName) {
            std::vector<settings::NameGroupItem> groups;
            tables::TNameLists names(cvt_, groups, view, ui, cvt_);
        } else {
            support::RecordingTreeView tree;
            tables::TPinCvtList pins(cvt_);
            pins.LoadPinCvt(tree, ui);
            for (const auto& block : pins.Blocks()) {
                for (const auto& pin : block.Pins) {
                    view.AddRow({block.BlockName, pin.PinText, std::to_string(pin.PinNo)}, nullptr);
                }
            }
        }
        EXPECT_TRUE(ui.Messages.empty()) << name;
        return support::RowsUtf8(view);
    }

    support::TempDir dir_;
    std::string cvt_ = dir_.MakeDir("cvt");
    support::ScopedProgramHome home_{dir_.MakeDir("home")};
};

TEST_F(TruncatedFiles, BinaryLibraryKeepsWholeSymbolsOrSaysItFailed) {
    support::LibBuilder builder;
    builder
        .Symbol(LibSymbol{"7400",
                          6,
                          8,
                          2,
                          {{2, 0, {PinNoWord(1), PinNoWord(4)}},
                           {3, 1, {PinNoWord(12, 'A'), PinNoWord(13, 'B')}},
                           {5, 3, {PinNoWord(7), PinNoWord(7)}}}})
        .Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    library::TLibList full;
    ASSERT_TRUE(ReadLibrary("full.lib", builder.Build(), full).empty());
    ASSERT_EQ(full.Count(), 2);
    const std::set<std::string> allowed = {"cut.lib\n\tが読めません。",
                                           "cut.lib\n\tの読み込みに失敗しました。"};
    ForEachCut(builder.Build(), [&](const std::string& cut, std::size_t) {
        library::TLibList list;
        std::vector<std::string> messages = ReadLibrary("cut.lib", cut, list);
        if (cut.size() == builder.Build().size()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(allowed.count(messages[0].substr(messages[0].rfind("cut.lib"))))
                << messages[0];
        }
        for (int i = 0; i < list.Count(); ++i) {  // a symbol read is the whole record
            const library::TSymbolEntry* whole = full.FindSymbol(list[i].SymbolName);
            ASSERT_NE(whole, nullptr);
            EXPECT_TRUE(std::ranges::equal(list[i].LibData, whole->LibData));
        }
    });
}

TEST_F(TruncatedFiles, TextLibraryEndsCleanlyAtAnyByte) {
    support::Lb3Builder builder;
    builder.Symbol(Lb3Symbol{"7400", 6, 8, {{"A", 'L', 2, {"1", "4"}}, {"Y", 'R', 4, {"3", "6"}}}})
        .Symbol(Lb3Symbol{"RES", 4, 2, {{"1", 'L', 1, {"1"}}, {"2", 'R', 1, {"2"}}}})
        .Alias("R", "RES");
    const std::string bytes = builder.Build();
    library::TLibList full;
    ASSERT_TRUE(ReadLibrary("full.lb3", bytes, full).empty());
    ASSERT_EQ(full.Count(), 3);
    ForEachCut(bytes, [&](const std::string& cut, std::size_t boundary) {
        library::TLibList list;
        std::vector<std::string> messages = ReadLibrary("cut.lb3", cut, list);
        if (boundary == 0) {  // the first line is incomplete: not a library
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(messages[0].ends_with(cut.empty() ? "が読めません。" : "は異常です。"))
                << messages[0];
            EXPECT_EQ(list.Count(), 0);
            return;
        }
        // Only the alias can complain, when the cut falls in its target's name.
        EXPECT_LE(messages.size(), 1u);
        for (const std::string& m : messages) {
            EXPECT_NE(m.find("エリアス設定出来ませんでした"), std::string::npos) << m;
        }
        for (int i = 0; i < list.Count(); ++i) {
            const std::string& name = list[i].SymbolName;
            bool cutName = full.FindSymbol(name) == nullptr;
            bool known = cutName ? std::ranges::any_of(
                                       std::vector<std::string>{"7400", "RES", "R"},
                                       [&](const std::string& n) { return n.starts_with(name); })
                                 : true;
            EXPECT_TRUE(known) << name;
            ASSERT_NE(list[i].Lb3Data, nullptr);
            if (const auto* whole = full.FindSymbol(name)) {
                EXPECT_LE(list[i].Lb3Data->PinLines.size(), whole->Lb3Data->PinLines.size());
            }
        }
    });
}

TEST_F(TruncatedFiles, TablesKeepEveryCompleteLine) {
    struct Table {
        const char* file;
        std::string text;
    } tables[] = {
        {tables::TMakerLists::kFileName, "NE555\tTI\r\nLM358\tNJR\r\nRES-10K\tKOA\r\n"},
        {tables::TFootList::kFileName, "RES-10K\tR1608\tR\r\nC?\tC1608\tC\r\nQ1\tSOT23\r\n"},
        {tables::TNameLists::kFileName,
         text::Utf8ToCp932("10k\tRES-10K\r\n[CHIP]\r\nR1005\tR\r\n[抵抗]\r\nLM358\tOPAMP\r\n")},
        {tables::TPinCvtList::kFileName, "BGA\r\n\t3\tA2\r\n\t4\tA3\r\n7400\r\n\t14\tVCC\r\n"},
    };
    for (const Table& table : tables) {
        SCOPED_TRACE(table.file);
        Rows atBoundary;
        ForEachCut(table.text, [&](const std::string& cut, std::size_t boundary) {
            Rows rows = LoadTable(table.file, cut);
            if (cut.size() == boundary) {
                atBoundary = rows;
                return;
            }
            // The complete lines are all there; the cut line adds at most one row.
            for (const auto& row : atBoundary) {
                EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row[0];
            }
            EXPECT_LE(rows.size(), atBoundary.size() + 1);
        });
        EXPECT_EQ(atBoundary.size(), 3u);  // every line read at the full length
    }
}

TEST_F(TruncatedFiles, SettingsAndKeyStoreKeepEveryCompleteLine) {
    struct Value {
        std::string section;
        std::string key;
        std::string value;
        std::size_t end;  // where its line ends in the text
    };
    std::string ini;
    std::vector<Value> values;
    for (const char* section : {"Option", "Library", "NameGroup"}) {
        ini += "[" + std::string(section) + "]\r\n";
        for (const char* key : {"Grid", "LIB0", "CvtDir"}) {
            std::string value = std::string(section) + "-" + key;
            ini += std::string(key) + "=" + value + "\r\n";
            values.push_back({section, key, value, ini.size()});
        }
    }
    ForEachCut(ini, [&](const std::string& cut, std::size_t) {
        settings::TIniFile file(support::WriteFileBytes(dir_ / "cut.ini", cut));
        for (const Value& v : values) {
            if (v.end <= cut.size()) {
                EXPECT_EQ(file.Value(v.section, v.key), v.value);
            } else if (auto got = file.Value(v.section, v.key)) {
                EXPECT_TRUE(v.value.starts_with(*got)) << *got;  // a cut value, never another
            }
        }
    });

    std::string reg = "REGEDIT4\r\n";
    std::vector<Value> keys;
    for (const char* key :
         {"HKEY_CLASSES_ROOT\\A", "HKEY_CLASSES_ROOT\\A\\B", "HKEY_CURRENT_USER\\C"}) {
        std::string value = "value " + std::to_string(keys.size());
        reg += "\r\n[" + std::string(key) + "]\r\n@=\"" + value + "\"\r\n\"x\"=dword:1\r\n";
        keys.push_back({"", key, value, reg.size()});
    }
    ForEachCut(reg, [&](const std::string& cut, std::size_t) {
        platform::KeyStore store(support::WriteFileBytes(dir_ / "cut.reg", cut));
        for (const Value& v : keys) {
            if (v.end <= cut.size()) {
                EXPECT_EQ(store.DefaultValue(v.key), v.value);
            }
        }
    });
}

}  // namespace
