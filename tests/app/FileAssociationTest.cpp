// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/FileAssociation.h"
#include "platform/Process.h"
#include "platform/ProgramHome.h"
#include "support/Bytes.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using text::Sj;

const std::string kShell = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell";

// A user of their own: scratch XDG folders and no desktop session, so xdg-mime answers
// from the files the association writes and nothing of the machine's.
class FileAssociationTest : public ::testing::Test {
  protected:
    platform::KeyStore Store() const { return platform::KeyStore(dir.Path() / "registry.reg"); }
    std::string Verb() const { return kShell + "\\" + Sj("集計(&N)"); }
    static std::string DefaultApp() {
        std::string answer;
        platform::RunProgram({"xdg-mime", "query", "default", app::kDrawingMimeType}, &answer);
        while (!answer.empty() && answer.back() == '\n') {
            answer.pop_back();
        }
        return answer;
    }
    fs::path Desktop() const { return dir.Path() / "data/applications" / app::kDesktopId; }
    fs::path Mime() const { return dir.Path() / "data/mime/packages/vornextract.xml"; }

    support::TempDir dir;
    support::ScopedEnv dataHome{"XDG_DATA_HOME", dir / "data"};
    support::ScopedEnv configHome{"XDG_CONFIG_HOME", dir / "config"};
    support::ScopedEnv dataDirs{"XDG_DATA_DIRS", dir / "system"};
    support::ScopedEnv session{"XDG_CURRENT_DESKTOP", std::nullopt};
    // A program that exists, as xdg-mime wants of the entry it answers with.
    std::string program = platform::ProgramPath().string();
    support::RecordingUserInterface ui;
};

TEST_F(FileAssociationTest, RegisterMakesTheProgramTheDefaultAndRemoveUndoesIt) {
    platform::KeyStore store = Store();
    // Without the editor's own type in the store: the file manager association all the same.
    ASSERT_TRUE(app::RegisterAssociation(store, text::Utf8ToCp932(program), ui))
        << text::Cp932ToUtf8(ui.Messages.back());
    EXPECT_EQ(ui.Messages.back(), Sj("レジストリに関連付けを登録しました"));
    EXPECT_EQ(DefaultApp(), app::kDesktopId);
    EXPECT_NE(support::ReadBytesFile(Desktop().string()).find("Exec=" + program + " %F"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir.Path() / "data/mime/application/x-vorn-drawing.xml"));
    EXPECT_FALSE(Store().KeyExists(Verb()));

    // With it, the verb is recorded as well; registering again rewrites the path.
    ASSERT_TRUE(store.SetDefaultValue(kShell + "\\open\\command", "vorn.exe \"%1\""));
    ASSERT_TRUE(app::RegisterAssociation(store, Sj("/opt/回路/vx"), ui));
    EXPECT_EQ(Store().DefaultValue(Verb() + "\\command"), Sj("/opt/回路/vx \"%1\""));

    EXPECT_TRUE(app::RemoveAssociation(store, ui));
    EXPECT_EQ(ui.Messages.back(), Sj("レジストリから関連付けを削除しました"));
    EXPECT_EQ(DefaultApp(), "");
    EXPECT_FALSE(fs::exists(Desktop()));
    EXPECT_FALSE(fs::exists(Mime()));
    EXPECT_FALSE(Store().KeyExists(Verb()));
    EXPECT_TRUE(Store().KeyExists(kShell + "\\open\\command"));
    EXPECT_FALSE(app::RemoveAssociation(store, ui));
    EXPECT_EQ(ui.Messages.back(), Sj("関連付けが登録されていません"));

    // A verb without its command is no association and stays as it is.
    ASSERT_TRUE(store.CreateKey(Verb()));
    EXPECT_FALSE(app::RemoveAssociation(store, ui));
    EXPECT_TRUE(Store().KeyExists(Verb()));
}

// The program the user had before comes back; an installed entry is used, not copied.
TEST_F(FileAssociationTest, RemoveGivesBackTheDefaultBeforeAndLeavesAnInstallAlone) {
    support::WriteFileBytes(dir / "data/applications/other.desktop",
                            "[Desktop Entry]\nType=Application\nName=Other\nExec=" + program +
                                " %F\nMimeType=application/x-vorn-drawing;\n");
    platform::RunProgram({"xdg-mime", "default", "other.desktop", app::kDrawingMimeType});
    ASSERT_EQ(DefaultApp(), "other.desktop");
    // As a package installs them: the entry and the type in a system folder.
    support::WriteFileBytes(
        (dir.Path() / "system/applications" / app::kDesktopId).string(),
        "[Desktop Entry]\nType=Application\nName=vornextract\nExec=" + program + " %F\n");
    support::WriteFileBytes(dir / "system/mime/packages/vornextract.xml", "<x/>");

    platform::KeyStore store = Store();
    ASSERT_TRUE(app::RegisterAssociation(store, text::Utf8ToCp932(program), ui));
    EXPECT_EQ(DefaultApp(), app::kDesktopId);
    EXPECT_FALSE(fs::exists(Desktop()));
    ASSERT_TRUE(app::RemoveAssociation(store, ui));
    EXPECT_EQ(DefaultApp(), "other.desktop");
    EXPECT_TRUE(fs::exists(dir.Path() / "system/applications" / app::kDesktopId));
}

}  // namespace
