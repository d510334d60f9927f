// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/KeyStore.h"
#include "platform/ProgramHome.h"
#include "platform/WindowsPath.h"
#include "support/Bytes.h"
#include "support/LibBuilder.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

constexpr const char* kCommandKey = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell\\open\\command";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(KeyStore, ChangesAreWrittenAsRegedit4AndReadBack) {
    support::TempDir dir;
    const std::string file = dir / "sub/registry.reg";
    platform::KeyStore store(file);
    EXPECT_FALSE(store.KeyExists("HKEY_CLASSES_ROOT\\Vorn.Document"));
    // 表 carries the backslash byte as its second byte; it must not be escaped.
    std::string value = text::Utf8ToCp932("\"C:\\表\\vorn.exe\" \"%1\"");
    ASSERT_TRUE(store.SetDefaultValue(kCommandKey, value));
    ASSERT_TRUE(store.SetDefaultValue("HKEY_CLASSES_ROOT\\Other", "x"));

    std::string written = ReadAll(file);
    EXPECT_EQ(written.substr(0, 10), "REGEDIT4\r\n");
    EXPECT_NE(written.find("[HKEY_CLASSES_ROOT\\Vorn.Document\\shell]\r\n"), std::string::npos);
    EXPECT_NE(written.find("@=\"\\\"C:\\\\" + text::Utf8ToCp932("表") +
                           "\\\\vorn.exe\\\" \\\"%1\\\"\"\r\n"),
              std::string::npos);

    platform::KeyStore again(file);
    EXPECT_TRUE(again.KeyExists("hkey_classes_root\\vorn.document\\SHELL\\open"));
    EXPECT_EQ(again.DefaultValue(kCommandKey), value);
    EXPECT_EQ(again.DefaultValue("HKEY_CLASSES_ROOT\\Vorn.Document"), std::nullopt);

    ASSERT_TRUE(again.DeleteKey("HKEY_CLASSES_ROOT\\Vorn.Document\\shell"));
    EXPECT_FALSE(again.DeleteKey("HKEY_CLASSES_ROOT\\Vorn.Document\\shell"));
    // The keys after the deleted ones are still found in memory.
    EXPECT_EQ(again.DefaultValue("hkey_classes_root\\other"), "x");
    EXPECT_EQ(again.DefaultValue(kCommandKey), std::nullopt);
    platform::KeyStore third(file);
    EXPECT_FALSE(third.KeyExists(kCommandKey));
    EXPECT_TRUE(third.KeyExists("HKEY_CLASSES_ROOT\\Vorn.Document"));
    EXPECT_EQ(third.DefaultValue("HKEY_CLASSES_ROOT\\Other"), "x");
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

TEST(KeyStore, AnExportIsReadWithItsOtherValuesKept) {
    support::TempDir dir;
    const std::string file = dir / "export.reg";
    support::WriteFileBytes(
        file,
        "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\Vorn.Document]\r\n@=\"Vorn drawing\"\r\n"
        "\"EditFlags\"=hex:00,00,\\\r\n  01,00\r\n[-HKEY_CLASSES_ROOT\\Gone]\r\n");
    platform::KeyStore store(file);
    EXPECT_EQ(store.DefaultValue("HKEY_CLASSES_ROOT\\Vorn.Document"), "Vorn drawing");
    EXPECT_FALSE(store.KeyExists("HKEY_CLASSES_ROOT\\Gone"));
    ASSERT_TRUE(store.CreateKey("HKEY_CLASSES_ROOT\\Vorn.Document\\shell"));
    EXPECT_NE(ReadAll(file).find("\"EditFlags\"=hex:00,00,\\\r\n  01,00\r\n"), std::string::npos);
}

TEST(KeyStore, AFailedWriteLeavesTheStoreAsItWas) {
    support::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "store.reg");  // a folder: the rename fails
    platform::KeyStore store(dir / "store.reg");
    EXPECT_FALSE(store.SetDefaultValue(kCommandKey, "x"));
    EXPECT_FALSE(store.KeyExists(kCommandKey));
}

TEST(KeyStore, TheEditorCommandFallsBackToWine) {
    support::TempDir dir;
    support::ScopedEnv wine("WINEPREFIX", dir / "wine");
    dir.MakeDir("wine");
    platform::KeyStore empty(dir / "none.reg");
    EXPECT_EQ(platform::EditorOpenCommand(empty), std::nullopt);

    support::WriteFileBytes(
        dir / "wine/system.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
        "[Software\\\\Classes\\\\Vorn.Document\\\\shell\\\\open\\\\command] 1700000000\n"
        "#time=1d9\n@=\"\\\"C:\\\\\\x8868\\\\vorn.exe\\\" \\\"%1\\\"\"\n");
    EXPECT_EQ(platform::EditorOpenCommand(empty), text::Utf8ToCp932("\"C:\\表\\vorn.exe\" \"%1\""));

    support::WriteFileBytes(
        dir / "wine/user.reg",
        "WINE REGISTRY Version "
        "2\n[Software\\\\Classes\\\\vorn.document\\\\Shell\\\\Open\\\\Command]\n"
        "@=str(2):\"D:\\\\v.exe\"\n");
    EXPECT_EQ(platform::EditorOpenCommand(empty), "D:\\v.exe");

    platform::KeyStore own(dir / "own.reg");
    ASSERT_TRUE(own.SetDefaultValue(kCommandKey, "E:\\v.exe"));
    EXPECT_EQ(platform::EditorOpenCommand(own), "E:\\v.exe");
}

TEST(WindowsPath, SeparatorsDrivesAndLetterCase) {
    support::TempDir dir;
    support::ScopedEnv wine("WINEPREFIX", dir / "wine");
    dir.MakeDir("wine/dosdevices");
    std::string hyou = "\xE8\xA1\xA8";  // 表 in UTF-8
    dir.MakeDir("Lib/" + hyou);
    support::WriteFileBytes(dir / ("Lib/" + hyou + "/Parts.lib"), "x");
    std::filesystem::create_directory_symlink(dir.Path(), dir.Path() / "wine/dosdevices/c:");
    // Relative names are taken in the folder given (the drawings' folder), not the working one.
    std::filesystem::current_path("/");
    const std::filesystem::path folder = dir.Path();

    const std::filesystem::path expected = dir.Path() / "Lib" / hyou / "Parts.lib";
    std::string name = text::Utf8ToCp932("C:\\LIB\\表\\PARTS.LIB");
    EXPECT_EQ(std::filesystem::canonical(platform::ResolveWindowsPath(name, folder)),
              std::filesystem::canonical(expected));
    EXPECT_EQ(std::filesystem::canonical(
                  platform::ResolveWindowsPath(text::Utf8ToCp932(".\\lib\\表/parts.lib"), folder)),
              std::filesystem::canonical(expected));
    // A name that matches nothing stays as written.
    EXPECT_EQ(platform::ResolveWindowsPath("lib\\nothing.lib", folder).filename(), "nothing.lib");
    EXPECT_EQ(platform::ResolveWindowsPath("d:\\x.lib", folder), std::filesystem::path("/x.lib"));
    EXPECT_EQ(platform::WindowsFolderPart(text::Utf8ToCp932("C:\\表")), "C:\\");
}

}  // namespace

namespace {

// An installed program keeps its settings under the user's configuration folder; only a
// copy that already has its settings file beside it (a portable one) keeps them there.
TEST(ProgramHome, EnvironmentThenPortableCopyThenConfigurationFolder) {
    support::TempDir dir;
    const std::filesystem::path program = dir.MakeDir("bin");
    support::ScopedEnv config("XDG_CONFIG_HOME", dir / "config");
    support::ScopedEnv noHome("VORNEXTRACT_HOME", std::nullopt);
    EXPECT_EQ(platform::ProgramHomeFor(program), dir.Path() / "config" / "vornextract");
    support::WriteFileBytes((program / "vornextract.INI").string(), "");
    EXPECT_EQ(platform::ProgramHomeFor(program), program);
    support::ScopedEnv home("VORNEXTRACT_HOME", dir / "home");
    EXPECT_EQ(platform::ProgramHomeFor(program), dir.Path() / "home");
}

}  // namespace
