// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "library/LibList.h"
#include "library/LibraryFiles.h"
#include "platform/KeyStore.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

using support::Lb3Builder;
using support::Lb3Pin;
using support::Lb3Symbol;
using support::LibBuilder;
using support::LibPin;
using support::LibSymbol;
using support::PinNoWord;

// Every test runs in its own folder with an empty key store and no Wine prefix, so the
// editor's settings come only from the "vorn.ini" a test writes.
class LibraryTest : public ::testing::Test {
  protected:
    LibraryTest() { std::filesystem::current_path(dir_.Path()); }

    bool Load(const std::vector<std::string>& names) {
        support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni(names));
        return library::LoadLibraries(list_, std::filesystem::current_path(), ui_,
                                      platform::KeyStore());
    }

    std::vector<std::string> Messages() const { return ui_.MessagesUtf8(); }

    support::EditorSandbox sandbox_;
    support::TempDir& dir_ = sandbox_.Dir;
    support::RecordingUserInterface ui_;
    library::TLibList list_;
};

LibSymbol Resistor(const std::string& name, unsigned width) {
    return LibSymbol{name, width, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}};
}

TEST_F(LibraryTest, BinaryLibrariesFillOneSortedListAndTheLowestSlotWins) {
    LibBuilder().Symbol(Resistor("RES", 4)).Symbol(Resistor("CAP", 3)).WriteTo(dir_ / "a.lib");
    LibBuilder().Symbol(Resistor("RES", 9)).Symbol(Resistor("74HC00", 5)).WriteTo(dir_ / "b.LIB");
    support::WriteFileBytes(dir_ / "c.txt", "not a library");

    ASSERT_TRUE(Load({"a.lib", "", "b.LIB", "c.txt", "missing.lib", "missing.lb3"}));
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(list_.Count(), 3);
    EXPECT_EQ(list_[0].SymbolName, "74HC00");
    EXPECT_EQ(list_[1].SymbolName, "CAP");
    EXPECT_EQ(list_[2].SymbolName, "RES");
    EXPECT_EQ(library::TLibList::SizeOf(*list_.FindSymbol("RES")).Width, 4);  // a.lib, slot 0
    EXPECT_EQ(library::TLibList::SizeOf(*list_.FindSymbol("RES")).Height, 2);
    EXPECT_EQ(list_.FindSymbol("res"), nullptr);  // symbol names match case and all
    EXPECT_EQ(list_.FileNames[2], "b.LIB");
    EXPECT_NE(list_.Images[0], nullptr);
    EXPECT_EQ(list_.Images[3], nullptr);
}

TEST_F(LibraryTest, TextLibraryTokensSectionsEscapesAndAliases) {
    Lb3Builder lb3;
    lb3.Symbol(
        Lb3Symbol{"OP%20AMP", 6, 4, {{"IN+", 'L', 1, {"3", "5"}}, {"OUT", 'R', 2, {"1", "7"}}}});
    lb3.Line("+COMP")
        .Line("N:SPACED,X:3, Y:2")
        .Line("+PIN")
        .Line("N:A0, L:L3, M:1")
        .Line("M:9")
        .Line("-PIN");
    lb3.Line("-COMP");
    lb3.Alias("AMP2", "OP%20AMP").Alias("EARLY", "LATER").Alias("100%", "OP%2");
    lb3.Symbol(Lb3Symbol{"LATER", 1, 1, {}});
    lb3.Symbol(Lb3Symbol{"OP AMP", 99, 99, {}});  // a second definition is ignored
    lb3.WriteTo(dir_ / "parts.lb3");

    ASSERT_TRUE(Load({"parts.lb3"}));
    const library::TSymbolEntry* amp = list_.FindSymbol("OP AMP");
    ASSERT_NE(amp, nullptr);
    ASSERT_NE(amp->Lb3Data, nullptr);
    EXPECT_EQ(amp->Lb3Data->SymWidth, 6);
    EXPECT_EQ(amp->Lb3Data->PinLines,
              (std::vector<std::string>{",N:IN+,L:L1,M:3,M:5", ",N:OUT,L:R2,M:1,M:7"}));

    const library::TSymbolEntry* spaced = list_.FindSymbol("SPACED");
    ASSERT_NE(spaced, nullptr);
    EXPECT_EQ(spaced->Lb3Data->SymWidth, 3);
    EXPECT_EQ(spaced->Lb3Data->SymHeight, 0);  // a later token keeps its blank: " Y:2" is no size
    EXPECT_EQ(spaced->Lb3Data->PinLines, (std::vector<std::string>{",N:A0, L:L3, M:1,M:9"}));

    const library::TSymbolEntry* alias = list_.FindSymbol("AMP2");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->Lb3Data->PinLines, amp->Lb3Data->PinLines);
    EXPECT_EQ(alias->Lb3Data->SymHeight, 4);

    // The alias to a symbol defined further down fails, and so does one to a missing name;
    // both keep an empty symbol.
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0], "パーツ[EARLY]が、\nパーツ[LATER]に、\nエリアス設定出来ませんでした");
    EXPECT_EQ(Messages()[1], "パーツ[100%]が、\nパーツ[OP%2]に、\nエリアス設定出来ませんでした");
    EXPECT_TRUE(list_.FindSymbol("EARLY")->Lb3Data->PinLines.empty());
    EXPECT_EQ(list_.FindSymbol("LATER")->Lb3Data->SymWidth, 1);
}

// Symbols are gathered unordered and put in name order once; whatever the order of the
// files and of their symbols, the list is the names in byte order with the first library's
// symbol kept for a name defined twice.
TEST_F(LibraryTest, SymbolsInAnyOrderEndInNameOrderWithTheFirstLibraryWinning) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        list_.Clear();
        std::map<std::string, unsigned> firstWidth;  // the expected list: name -> width
        std::vector<std::string> names;
        for (int slot = 0; slot < 3; ++slot) {
            LibBuilder lib;
            for (int i = 0; i < 30; ++i) {
                std::string name{static_cast<char>('A' + random() % 6),
                                 static_cast<char>("a\x82\xe0"[random() % 3]),
                                 static_cast<char>('0' + random() % 4)};
                const unsigned width = 1 + random() % 50;
                lib.Symbol(Resistor(name, width));
                firstWidth.emplace(name, width);
            }
            names.push_back("l" + std::to_string(slot) + ".lib");
            lib.WriteTo(dir_ / names.back());
        }
        ASSERT_TRUE(Load(names));
        ASSERT_EQ(list_.Count(), static_cast<int>(firstWidth.size()));
        // Byte order of unsigned bytes, as the list keeps it (std::map's is of signed chars).
        std::vector<std::string> expected;
        for (const auto& entry : firstWidth) {
            expected.push_back(entry.first);
        }
        std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                });
        });
        for (int i = 0; i < list_.Count(); ++i) {
            ASSERT_EQ(list_[i].SymbolName, expected[static_cast<std::size_t>(i)]);
            EXPECT_EQ(library::TLibList::SizeOf(list_[i]).Width,
                      static_cast<int>(firstWidth[expected[static_cast<std::size_t>(i)]]));
        }
    }
}

// An alias shares its target's pin texts (3 000 aliases of a 10 000-pin symbol once took
// gigabytes); a later change to either stays with that symbol.
TEST_F(LibraryTest, AliasesShareTheirTargetsDataUntilOneOfThemChanges) {
    Lb3Builder lb3;
    Lb3Symbol big{"BIG", 4, 2, {}};
    for (int pin = 0; pin < 100; ++pin) {
        big.Pins.push_back(Lb3Pin{"P" + std::to_string(pin), 'L', pin, {std::to_string(pin)}});
    }
    lb3.Symbol(big);
    for (int alias = 0; alias < 50; ++alias) {
        lb3.Alias("A" + std::to_string(alias), "BIG");
    }
    // A pin section while the last alias is current changes that alias alone.
    lb3.Line("+ALIAS").Line("A:GROWN").Line("N:BIG").Line("+PIN").Line("-ALIAS");
    lb3.WriteTo(dir_ / "a.lb3");
    ASSERT_TRUE(Load({"a.lb3"}));
    const library::TSymbolEntry* target = list_.FindSymbol("BIG");
    ASSERT_NE(target, nullptr);
    for (int alias = 0; alias < 50; ++alias) {
        EXPECT_EQ(list_.FindSymbol("A" + std::to_string(alias))->Lb3Data, target->Lb3Data);
    }
    const library::TSymbolEntry* grown = list_.FindSymbol("GROWN");
    EXPECT_NE(grown->Lb3Data, target->Lb3Data);
    EXPECT_EQ(grown->Lb3Data->PinLines.size(), 101u);
    EXPECT_EQ(target->Lb3Data->PinLines.size(), 100u);
}

TEST_F(LibraryTest, TextLibraryNamesAreCutToWhatADrawingHolds) {
    Lb3Builder().Symbol(Lb3Symbol{"ABCDEFGHIJKLMNOPQRST", 2, 2, {}}).WriteTo(dir_ / "long.lb3");
    ASSERT_TRUE(Load({"long.lb3"}));
    EXPECT_NE(list_.FindSymbol("ABCDEFGHIJKLMNO"), nullptr);
    EXPECT_EQ(library::Lb3SymbolName("%4"), "%4");
    EXPECT_EQ(library::Lb3SymbolName("%zz%41"), "%zzA");
}

TEST_F(LibraryTest, BadFirstLinesAndUnopenableFilesAreNamed) {
    support::WriteFileBytes(dir_ / "empty.lb3", "");
    support::WriteFileBytes(dir_ / "lf.lb3", "+VORN3_LIB_V.1.0\n+COMP\n");
    support::WriteFileBytes(dir_ / "short.lib", "LIB FOR CE000\x1A");
    support::WriteFileBytes(dir_ / "wrong.lib", std::string(60, 'x'));
    std::filesystem::create_directory(dir_.Path() / "dir.lib");
    ASSERT_TRUE(Load({"empty.lb3", "lf.lb3", "short.lib", "wrong.lib", "dir.lib"}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"empty.lb3\n\tが読めません。", "lf.lb3\n\tは異常です。",
                                        "short.lib\n\tが読めません。", "wrong.lib\n\tは異常です。",
                                        "dir.lib\n\tが開けません。"}));
    EXPECT_EQ(list_.Images[2], nullptr);
    EXPECT_EQ(list_.Images[3], nullptr);
    EXPECT_TRUE(list_.Empty());
}

TEST_F(LibraryTest, DamagedBinaryLibraryKeepsTheSymbolsBeforeTheDamage) {
    LibBuilder good;
    good.Symbol(Resistor("AAA", 2)).Symbol(Resistor("BBB", 2));
    std::string image = good.Build();
    auto damaged = [&](std::size_t offset, std::uint32_t value, int bytes) {
        std::string copy = image;
        for (int i = 0; i < bytes; ++i) {
            copy[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return copy;
    };
    const std::size_t nameTable = LibBuilder::kHeaderSize;
    const std::size_t dataTable = nameTable + 8;
    support::WriteFileBytes(dir_ / "count.lib", damaged(LibBuilder::kCountOffset, 5000, 2));
    support::WriteFileBytes(dir_ / "negative.lib", damaged(LibBuilder::kCountOffset, 0xFFFF, 2));
    support::WriteFileBytes(dir_ / "table.lib",
                            damaged(LibBuilder::kNameTableOffset, 0xFFFFFFF0u, 4));
    support::WriteFileBytes(dir_ / "name.lib", damaged(nameTable + 4, 0x7FFFFFFF, 4));
    support::WriteFileBytes(dir_ / "data.lib", damaged(dataTable + 2, 0x8000, 2));
    ASSERT_TRUE(Load({"count.lib", "negative.lib", "table.lib", "name.lib", "data.lib"}));
    for (const char* name : {"count.lib", "negative.lib", "table.lib", "name.lib", "data.lib"}) {
        EXPECT_NE(std::find(Messages().begin(), Messages().end(),
                            std::string(name) + "\n\tの読み込みに失敗しました。"),
                  Messages().end())
            << name;
    }
    EXPECT_NE(list_.FindSymbol("AAA"), nullptr);  // from name.lib and data.lib, before the damage
    EXPECT_EQ(list_.FindSymbol("BBB"), nullptr);
    EXPECT_NE(list_.Images[3], nullptr);  // the kept symbol still points into its image
}

TEST_F(LibraryTest, NameWithoutNulAndPinsPastTheEndAreDamage) {
    // The last name runs to the end of the image: no NUL.
    std::string noNul = LibBuilder().Symbol(Resistor("ONE", 2)).Build();
    noNul.resize(LibBuilder::kHeaderSize + 4 + 2 + 3);
    support::WriteFileBytes(dir_ / "nonul.lib", noNul);
    // A pin count far beyond the record.
    std::string pins = LibBuilder().Symbol(Resistor("TWO", 2)).Build();
    const std::size_t record = LibBuilder::kHeaderSize + 4 + 2 + 4;
    pins[record + 10] = '\xFF';
    pins[record + 11] = '\x0F';
    support::WriteFileBytes(dir_ / "pins.lib", pins);
    ASSERT_TRUE(Load({"nonul.lib", "pins.lib"}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"nonul.lib\n\tの読み込みに失敗しました。",
                                                    "pins.lib\n\tの読み込みに失敗しました。"}));
    EXPECT_TRUE(list_.Empty());
}

TEST_F(LibraryTest, EveryTruncationOfEitherFormatEndsCleanly) {
    std::string lib = LibBuilder().Symbol(Resistor("AAA", 2)).Symbol(Resistor("BBB", 3)).Build();
    Lb3Builder lb3;
    lb3.Symbol(Lb3Symbol{"CCC", 6, 4, {{"IN", 'L', 1, {"3"}}}}).Alias("DDD", "CCC");
    for (std::size_t cut = 0; cut <= lib.size(); ++cut) {
        support::WriteFileBytes(dir_ / "t.lib", lib.substr(0, cut));
        ASSERT_TRUE(Load({"t.lib"}));
        ASSERT_LE(list_.Count(), 2);
        for (int i = 0; i < list_.Count(); ++i) {
            ASSERT_GE(list_[i].LibData.size(), 12u);
        }
    }
    // Any one byte of the header, tables or names damaged: never a read outside the image.
    for (std::size_t at = 0; at < lib.size(); ++at) {
        for (char value : {'\x00', '\x7F', '\xFF'}) {
            std::string damaged = lib;
            damaged[at] = value;
            support::WriteFileBytes(dir_ / "t.lib", damaged);
            ASSERT_TRUE(Load({"t.lib"}));
        }
    }
    for (std::size_t cut = 0; cut <= lb3.Build().size(); ++cut) {
        support::WriteFileBytes(dir_ / "t.lb3", lb3.Build().substr(0, cut));
        ASSERT_TRUE(Load({"t.lb3"}));
        ASSERT_LE(list_.Count(), 2);
    }
    EXPECT_EQ(list_.Count(), 2);
}

TEST_F(LibraryTest, OverLongTextLinesAndNumbersStayBounded) {
    std::string longLine = "N:" + std::string(10000, 'Q');
    Lb3Builder lb3;
    lb3.Line("+COMP")
        .Line(longLine)
        .Line("N:BIG")
        .Line("X:99999999999999999999")
        .Line("Y:-77777777777");
    lb3.Line("+PIN")
        .Line("L:L" + std::string(5000, '9') + ",M:" + std::string(600, '1'))
        .Line("-PIN");
    lb3.Line("-COMP");
    lb3.WriteTo(dir_ / "long.lb3");
    ASSERT_TRUE(Load({"long.lb3"}));
    const library::TSymbolEntry* big = list_.FindSymbol("BIG");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->Lb3Data->SymWidth, 32767);
    EXPECT_EQ(big->Lb3Data->SymHeight, -32768);
    // The long line goes on as further lines, whose tokens are not names.
    EXPECT_NE(list_.FindSymbol(std::string(15, 'Q')), nullptr);
}

TEST_F(LibraryTest, MissingSettingsFileIsToldOnceAndLeavesTheListEmpty) {
    EXPECT_FALSE(
        library::LoadLibraries(list_, std::filesystem::current_path(), ui_, platform::KeyStore()));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("vorn.ini\n\tが見つかりません"), std::string::npos);
    EXPECT_TRUE(list_.Empty());
}

TEST_F(LibraryTest, EditorFolderComesFromTheQuotedOpenCommand) {
    // The editor's folder and libraries, written the Windows way with other letter case.
    std::string editor = dir_.MakeDir("Program Files/Vorn");
    dir_.MakeDir("Program Files/Vorn/Lib");
    LibBuilder().Symbol(Resistor("RES", 4)).WriteTo(editor + "/Lib/Std.lib");
    support::WriteFileBytes(editor + "/VORN.INI",
                            support::VornIni({"q:\\PROGRAM FILES\\vorn\\lib\\STD.LIB"}));
    dir_.MakeDir("wine/dosdevices");
    std::filesystem::create_directory_symlink(dir_.Path(), dir_.Path() / "wine/dosdevices/q:");
    std::filesystem::current_path(dir_.MakeDir("drawings"));

    platform::KeyStore store;
    ASSERT_TRUE(store.SetDefaultValue("HKEY_CLASSES_ROOT\\Vorn.Document\\shell\\open\\command",
                                      "\"Q:\\program files\\VORN\\Vorn.exe\" \"%1\""));
    EXPECT_TRUE(
        library::LoadLibraries(list_, std::filesystem::current_path(), ui_, platform::KeyStore()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(list_.FindSymbol("RES"), nullptr);

    EXPECT_EQ(library::SettingsPathFromCommand("C:\\VORN\\VORN.EXE %1"), "C:\\VORN\\vorn.ini");
    EXPECT_EQ(library::SettingsPathFromCommand("\"D:\\a b\\v.exe\" \"%1\""), "D:\\a b\\vorn.ini");
    EXPECT_EQ(library::SettingsPathFromCommand("E:v.exe"), "E:\\vorn.ini");
    EXPECT_EQ(library::SettingsPathFromCommand("C:\\VORN\\VORN.EXE /p \"%1\""),
              "C:\\VORN\\vorn.ini");
    EXPECT_EQ(library::SettingsPathFromCommand("/opt/vorn/vorn"), "/opt/vorn/vorn.ini");
    // 表 ends in the backslash byte; it is no separator.
    std::string hyou = text::Utf8ToCp932("C:\\表\\v.exe");
    EXPECT_EQ(library::SettingsPathFromCommand(hyou), text::Utf8ToCp932("C:\\表\\vorn.ini"));
}

}  // namespace
