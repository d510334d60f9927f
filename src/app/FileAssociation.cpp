// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileAssociation.h"

#include "text/Cp932.h"

namespace app {

namespace {

constexpr const char* kShell = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell";

std::string ShellKey(const std::string& below) {
    return std::string(kShell) + "\\" + below;
}

// The verb's key; its name is also the menu text the file manager shows.
std::string VerbKey() {
    return ShellKey(text::Sj("集計(&N)"));
}

bool TypeAndShellExist(const platform::KeyStore& store) {
    return store.KeyExists("HKEY_CLASSES_ROOT\\Vorn.Document") && store.KeyExists(kShell);
}

void ReportUnwritten(const platform::KeyStore& store, view::UserInterface& ui) {
    ui.ShowMessage(text::Utf8ToCp932(store.File().string()) +
                   text::Sj("\n\t書き込みが出来ません。"));
}

}  // namespace

std::string AssociationCommand(const std::string& programPath) {
    return programPath + " \"%1\"";
}

bool RegisterAssociation(platform::KeyStore& store, const std::string& programPath,
                         view::UserInterface& ui) {
    if (!TypeAndShellExist(store) || !store.KeyExists(ShellKey("open\\command"))) {
        ui.ShowMessage(text::Sj("VORN が登録されていません"));
        return false;
    }
    if (!store.SetDefaultValue(VerbKey() + "\\command", AssociationCommand(programPath))) {
        ReportUnwritten(store, ui);
        return false;
    }
    ui.ShowMessage(text::Sj("レジストリに関連付けを登録しました"));
    return true;
}

bool RemoveAssociation(platform::KeyStore& store, view::UserInterface& ui) {
    if (!TypeAndShellExist(store) || !store.KeyExists(VerbKey() + "\\command")) {
        ui.ShowMessage(text::Sj("関連付けが登録されていません"));
        return false;
    }
    if (!store.DeleteKey(VerbKey())) {
        ReportUnwritten(store, ui);
        return false;
    }
    ui.ShowMessage(text::Sj("レジストリから関連付けを削除しました"));
    return true;
}

}  // namespace app
