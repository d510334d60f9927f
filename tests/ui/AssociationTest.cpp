// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include "UiFixture.h"
#include "platform/KeyStore.h"
#include "platform/ProgramHome.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace uitest {
namespace {

TEST_F(WindowTest, ToolsMenuAddsAndRemovesTheVerb) {
    // A user of its own: the association goes into scratch XDG folders.
    support::TempDir xdg;
    support::ScopedEnv dataHome("XDG_DATA_HOME", xdg / "data");
    support::ScopedEnv configHome("XDG_CONFIG_HOME", xdg / "config");
    support::ScopedEnv dataDirs("XDG_DATA_DIRS", xdg / "system");
    support::ScopedEnv session("XDG_CURRENT_DESKTOP", std::nullopt);
    ui::TVornExtracts& w = Open();
    const std::string shell = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell";
    {
        platform::KeyStore store;
        ASSERT_TRUE(store.SetDefaultValue(shell + "\\open\\command", "vorn.exe \"%1\""));
    }
    w.RegistrationMnu->trigger();
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages.back().toStdString(), "レジストリに関連付けを登録しました");
    EXPECT_EQ(dialogs.MessageKinds.back(), ui::DialogService::Kind::Information);
    const std::string verb = shell + "\\" + "\x8f\x57\x8c\x76(&N)";  // 集計 in CP932
    EXPECT_EQ(platform::KeyStore().DefaultValue(verb + "\\command"),
              platform::ProgramPath().string() + " \"%1\"");
    w.RegistDelMnu->trigger();
    EXPECT_EQ(dialogs.Messages.back().toStdString(), "レジストリから関連付けを削除しました");
    w.RegistDelMnu->trigger();
    EXPECT_EQ(dialogs.Messages.back().toStdString(), "関連付けが登録されていません");

    // A failure carries the error icon: here, no xdg-mime to register with.
    support::ScopedEnv noPath("PATH", (xdg.Path() / "empty").string());
    w.RegistrationMnu->trigger();
    EXPECT_NE(dialogs.Messages.back().toStdString().find("xdg-mime"), std::string::npos);
    EXPECT_EQ(dialogs.MessageKinds.back(), ui::DialogService::Kind::Error);
}

}  // namespace
}  // namespace uitest
