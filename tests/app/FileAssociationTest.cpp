// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/FileAssociation.h"
#include "support/RecordingViews.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

using text::Sj;

const std::string kShell = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell";

class FileAssociationTest : public ::testing::Test {
  protected:
    platform::KeyStore Store() const { return platform::KeyStore(dir.Path() / "registry.reg"); }
    std::string Verb() const { return kShell + "\\" + Sj("集計(&N)"); }

    support::TempDir dir;
    support::RecordingUserInterface ui;
};

TEST_F(FileAssociationTest, RefusedWithoutTheEditorsOwnOpenCommand) {
    platform::KeyStore store = Store();
    EXPECT_FALSE(app::RegisterAssociation(store, "/opt/vx", ui));
    ASSERT_TRUE(store.CreateKey(kShell));  // the type is there, its open command is not
    EXPECT_FALSE(app::RegisterAssociation(store, "/opt/vx", ui));
    EXPECT_FALSE(Store().KeyExists(Verb()));
    EXPECT_EQ(ui.Messages, (std::vector<std::string>{Sj("VORN が登録されていません"),
                                                     Sj("VORN が登録されていません")}));
}

TEST_F(FileAssociationTest, RegisterAgainRewritesAndRemoveTwiceReports) {
    platform::KeyStore store = Store();
    ASSERT_TRUE(store.SetDefaultValue(kShell + "\\open\\command", "vorn.exe \"%1\""));
    ASSERT_TRUE(app::RegisterAssociation(store, "/opt/old/vx", ui));
    ASSERT_TRUE(app::RegisterAssociation(store, Sj("/opt/回路/vx"), ui));
    platform::KeyStore reread = Store();
    EXPECT_EQ(reread.DefaultValue(Verb() + "\\command"), Sj("/opt/回路/vx \"%1\""));
    EXPECT_EQ(ui.Messages.back(), Sj("レジストリに関連付けを登録しました"));

    EXPECT_TRUE(app::RemoveAssociation(reread, ui));
    EXPECT_EQ(ui.Messages.back(), Sj("レジストリから関連付けを削除しました"));
    EXPECT_FALSE(Store().KeyExists(Verb()));
    EXPECT_TRUE(Store().KeyExists(kShell + "\\open\\command"));
    EXPECT_FALSE(app::RemoveAssociation(reread, ui));
    EXPECT_EQ(ui.Messages.back(), Sj("関連付けが登録されていません"));

    // A verb without its command is no association and stays as it is.
    ASSERT_TRUE(reread.CreateKey(Verb()));
    EXPECT_FALSE(app::RemoveAssociation(reread, ui));
    EXPECT_TRUE(Store().KeyExists(Verb()));
}

}  // namespace
