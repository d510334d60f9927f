// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "platform/SafeWrite.h"
#include "settings/IniFile.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "text/Compare.h"
#include "text/Cp932.h"

namespace {

using settings::TIniFile;
namespace fs = std::filesystem;

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCaseAndTypes) {
    support::TempDir dir;
    std::string path = dir / "a.INI";
    support::WriteFileBytes(path,
                            "[option]\r\n"
                            "CVTDIR=/data/cvt\r\n"
                            "Hex=0x1F\n"
                            "HexUpper=0XffFFffFF\r\n"
                            "Word=12abc\r\n"
                            "Neg=-42\r\n"
                            "Empty=\r\n"
                            "  Spaced  =  value with blanks  \r\n"
                            "Quoted=\" kept \"\r\n"
                            "Flag=2\r\n"
                            "Off=0\r\n"
                            "[Other]\r\n"
                            "CvtDir=other\r\n"
                            "[OPTION]\r\n"
                            "Hex=5\r\n"
                            "Later=only in the second section\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Option", "CvtDir", "x"), "/data/cvt");
    EXPECT_EQ(ini.ReadString("OTHER", "cvtdir", "x"), "other");
    EXPECT_EQ(ini.ReadInteger("Option", "Hex", 0), 31);  // the first section of a name counts
    EXPECT_FALSE(ini.Value("Option", "Later"));
    EXPECT_EQ(ini.ReadInteger("Option", "HexUpper", 0), -1);
    EXPECT_EQ(ini.ReadInteger("Option", "Word", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Option", "Neg", 0), -42);
    EXPECT_EQ(ini.ReadInteger("Option", "Missing", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Nowhere", "Hex", 9), 9);
    EXPECT_EQ(ini.ReadString("Option", "Empty", "default"), "");
    EXPECT_EQ(ini.ReadInteger("Option", "Empty", 5), 5);
    EXPECT_EQ(ini.ReadString("Option", "Spaced", ""), "value with blanks");
    EXPECT_EQ(ini.ReadString("Option", "Quoted", ""), " kept ");
    EXPECT_TRUE(ini.ReadBool("Option", "Flag", false));
    EXPECT_FALSE(ini.ReadBool("Option", "Off", true));
    EXPECT_TRUE(ini.ReadBool("Option", "Word", true));
}

TEST(IniFile, IntegerTextsOutsideTheRangeGiveTheDefault) {
    EXPECT_EQ(settings::ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(settings::ParseIniInteger("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(settings::ParseIniInteger("2147483648"));
    EXPECT_FALSE(settings::ParseIniInteger("99999999999999999999"));
    EXPECT_FALSE(settings::ParseIniInteger("0x123456789"));
    EXPECT_FALSE(settings::ParseIniInteger("0x"));
    EXPECT_FALSE(settings::ParseIniInteger("-"));
    EXPECT_FALSE(settings::ParseIniInteger("0xG1"));
}

TEST(IniFile, MissingFileReadsEmptyAndIsNotCreated) {
    support::TempDir dir;
    std::string path = dir / "none.INI";
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Option", "PwParts", "VCC"), "VCC");
    EXPECT_TRUE(ini.UpdateFile());
    EXPECT_FALSE(fs::exists(path));
}

TEST(IniFile, LongValuesAreCutAt2047BytesOnWholeCharacters) {
    support::TempDir dir;
    std::string path = dir / "long.INI";
    std::string katakana;
    for (int i = 0; i < 1500; ++i) {
        katakana += text::Sj("ア");
    }
    support::WriteFileBytes(path,
                            "[S]\r\nK=" + std::string(2100, 'x') + "\r\nJ=a" + katakana + "\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "K", "").size(), 2047u);
    std::string j = ini.ReadString("S", "J", "");
    EXPECT_EQ(j.size(), 2047u);  // "a" and 1023 whole characters
    EXPECT_EQ(j.substr(1, 2), text::Sj("ア"));
}

TEST(IniFile, WritesKeepEveryOtherLineAndTheirPlaces) {
    support::TempDir dir;
    std::string path = dir / "w.INI";
    support::WriteFileBytes(path,
                            "; a comment\n"
                            "[System]\n"
                            "Left=1\n"
                            "Unknown=keep me\n"
                            "\n"
                            "[Option]\n"
                            "CvtDir=old\n");
    TIniFile ini(path);
    ini.WriteInteger("SYSTEM", "left", 300);      // replaced in place
    ini.WriteInteger("System", "Width", 751);     // appended to its section, before the blank line
    ini.WriteString("Option", "PwParts", "VCC");  // appended at the end of the last section
    ini.WriteBool("NameGroup", "STD", false);     // new section at the end
    ini.WriteString("Option", "Editor", " padded ");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(support::ReadBytesFile(path),
              "; a comment\r\n"
              "[System]\r\n"
              "left=300\r\n"
              "Unknown=keep me\r\n"
              "Width=751\r\n"
              "\r\n"
              "[Option]\r\n"
              "CvtDir=old\r\n"
              "PwParts=VCC\r\n"
              "Editor=\" padded \"\r\n"
              "[NameGroup]\r\n"
              "STD=0\r\n");
    EXPECT_EQ(TIniFile(path).ReadString("Option", "Editor", ""), " padded ");
}

TEST(IniFile, TwoWritersKeepEachOthersSections) {
    support::TempDir dir;
    std::string path = dir / "shared.INI";
    {
        TIniFile window(path);
        window.WriteInteger("System", "Left", 10);
        ASSERT_TRUE(window.UpdateFile());
    }
    {
        TIniFile dialog(path);
        dialog.WriteInteger("CvtEdit", "Left", 658);
        ASSERT_TRUE(dialog.UpdateFile());
    }
    {
        TIniFile window(path);
        window.WriteInteger("System", "Left", 20);
        ASSERT_TRUE(window.UpdateFile());
    }
    TIniFile reread(path);
    EXPECT_EQ(reread.ReadInteger("System", "Left", 0), 20);
    EXPECT_EQ(reread.ReadInteger("CvtEdit", "Left", 0), 658);
}

TEST(IniFile, ShiftJisSecondBytesDoNotEndASectionName) {
    support::TempDir dir;
    std::string path = dir / "sj.INI";
    // "ン" is 0x83 0x93 and "‐" 0x81 0x5D: a "]" as second byte.
    std::string group = text::Sj("‐ン");
    support::WriteFileBytes(path, "[" + group + "]\r\nKey=1\r\n[NameGroup]\r\n" + group + "=0\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger(group, "Key", 0), 1);
    EXPECT_FALSE(ini.ReadBool("NameGroup", group, true));
}

// A settings file edited by hand may hold anything; a written key must read back as
// written, and every key readable before must read the same after.
TEST(IniFile, WritesIntoDamagedFilesReadBack) {
    support::TempDir dir;
    std::string path = dir / "d.INI";
    static const char kBytes[] = {'[',  ']', '=', ';', ' ', '\t', '\r',   '\n',  '\n',
                                  '\0', '"', 'o', 'O', 'k', 'K',  '\x83', '\x5d'};
    std::mt19937 random(11);
    const std::vector<std::string> sections{"o", "O", "ok", "k"};
    for (int round = 0; round < 300; ++round) {
        std::string content;
        for (std::size_t n = random() % 400; n > 0; --n) {
            content.push_back(kBytes[random() % sizeof kBytes]);
        }
        support::WriteFileBytes(path, content);
        TIniFile before(path);
        TIniFile ini(path);
        std::string section = sections[random() % sections.size()];
        std::string key = sections[random() % sections.size()] + "k";
        ini.WriteString(section, key, "v=1 ;x");
        ASSERT_TRUE(ini.UpdateFile());
        TIniFile after(path);
        ASSERT_EQ(after.Value(section, key), "v=1 ;x") << "round " << round;
        for (const std::string& s : sections) {
            for (const std::string& k : sections) {
                if (!(text::EqualAsciiNoCase(s, section) && text::EqualAsciiNoCase(k, key))) {
                    EXPECT_EQ(after.Value(s, k), before.Value(s, k)) << "round " << round;
                }
            }
        }
    }
}

TEST(SafeWrite, FailedWriteLeavesNoFileAndNoTemporary) {
    support::TempDir dir;
    EXPECT_FALSE(platform::WriteFileAtomically(dir / "missing/sub/file.txt", "x"));
    // A folder in the way: the rename fails and the temporary file goes again.
    fs::create_directory(dir / "blocked");
    EXPECT_FALSE(platform::WriteFileAtomically(dir / "blocked", "x"));
    EXPECT_EQ(support::FileCount(dir.Path().string()), 1);
}

TEST(SafeWrite, ReplacesContentKeepsModeAndFollowsLinks) {
    support::TempDir dir;
    std::string target = dir / "real.txt";
    support::WriteFileBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, dir / "link.txt");
    ASSERT_TRUE(platform::WriteFileAtomically(dir / "link.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(support::ReadBytesFile(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(support::FileCount(dir.Path().string()), 2);
}

TEST(SafeWrite, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes read-only files";
    }
    support::TempDir dir;
    std::string path = dir / "ro.txt";
    support::WriteFileBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_FALSE(platform::WriteFileAtomically(path, "new"));
    EXPECT_EQ(support::ReadBytesFile(path), "old");
}

}  // namespace
