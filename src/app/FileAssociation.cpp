// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileAssociation.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/DesktopFiles.h"
#include "platform/Process.h"
#include "platform/SafeWrite.h"
#include "text/Cp932.h"

namespace app {
namespace fs = std::filesystem;

namespace {

constexpr const char* kShell = "HKEY_CLASSES_ROOT\\Vorn.Document\\shell";
// What registering did, for removing to undo exactly that.
constexpr const char* kRecord = "HKEY_CURRENT_USER\\Software\\vornextract\\Association";
constexpr const char* kMimePackageName = "vornextract.xml";

std::string ShellKey(const std::string& below) {
    return std::string(kShell) + "\\" + below;
}

std::string RecordKey(const char* below) {
    return std::string(kRecord) + "\\" + below;
}

// The verb's key; its name is also the menu text the file manager shows.
std::string VerbKey() {
    return ShellKey(text::Sj("集計(&N)"));
}

bool EditorTypeRegistered(const platform::KeyStore& store) {
    return store.KeyExists("HKEY_CLASSES_ROOT\\Vorn.Document") && store.KeyExists(kShell) &&
           store.KeyExists(ShellKey("open\\command"));
}

void ReportUnwritten(const platform::KeyStore& store, view::UserInterface& ui) {
    ui.ShowMessage(text::Utf8ToCp932(store.File().string()) +
                   text::Sj("\n\t書き込みが出来ません。"));
}

fs::path EnvFolder(const char* name, const fs::path& fallbackBelowHome) {
    const char* value = std::getenv(name);
    if (value && *value) {
        return fs::path(value);
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / fallbackBelowHome;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::string CurrentDefault() {
    std::string answer;
    if (platform::RunProgram({"xdg-mime", "query", "default", kDrawingMimeType}, &answer) != 0) {
        return {};
    }
    return Trimmed(answer);
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool SystemProvides(const DesktopPlaces& places) {
    for (const fs::path& dir : places.DataDirs) {
        if (Exists(dir / "applications" / kDesktopId) &&
            Exists(dir / "mime" / "packages" / kMimePackageName)) {
            return true;
        }
    }
    return false;
}

// The desktop entry with this program's path, so the file manager starts this very copy.
std::string UserDesktopEntry(const std::string& programPathUtf8) {
    std::istringstream in(kDesktopEntry);
    std::string entry;
    std::string line;
    // Quoted only when it must be: xdg-mime takes the first word of an unquoted line.
    const bool plain =
        programPathUtf8.find_first_of(" \t\n\"'\\><~|&;$*?#()`") == std::string::npos;
    const std::string quoted = plain ? programPathUtf8 : "\"" + programPathUtf8 + "\"";
    while (std::getline(in, line)) {
        if (line.rfind("Exec=", 0) == 0) {
            line = "Exec=" + quoted + " %F";
        } else if (line.rfind("TryExec=", 0) == 0) {
            line = "TryExec=" + programPathUtf8;
        }
        entry += line + "\n";
    }
    return entry;
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return platform::WriteFileAtomically(path, text);
}

void RefreshDatabases(const DesktopPlaces& places) {
    const fs::path mime = places.DataHome / "mime";
    if (Exists(mime / "packages")) {
        platform::RunProgram({"update-mime-database", mime.string()});
    }
    const fs::path applications = places.DataHome / "applications";
    if (Exists(applications) && platform::ProgramExists("update-desktop-database")) {
        platform::RunProgram({"update-desktop-database", applications.string()});
    }
}

// Takes this program off the drawing type's default in the user's mimeapps.list, where
// xdg-mime wrote it; other types and other programs stay.
void RemoveUserDefault(const DesktopPlaces& places) {
    const fs::path file = places.ConfigHome / "mimeapps.list";
    std::ifstream in(file);
    if (!in) {
        return;
    }
    const std::string prefix = std::string(kDrawingMimeType) + "=";
    std::string kept;
    std::string line;
    bool changed = false;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0) {
            std::string programs = line.substr(prefix.size());
            std::string rest;
            std::istringstream ids(programs);
            for (std::string id; std::getline(ids, id, ';');) {
                if (!id.empty() && id != kDesktopId) {
                    rest += id + ";";
                }
            }
            changed = true;
            if (rest.empty()) {
                continue;
            }
            line = prefix + rest;
        }
        kept += line + "\n";
    }
    in.close();
    if (changed) {
        platform::WriteFileAtomically(file, kept);
    }
}

}  // namespace

DesktopPlaces DesktopPlaces::FromEnvironment() {
    DesktopPlaces places;
    places.DataHome = EnvFolder("XDG_DATA_HOME", ".local/share");
    places.ConfigHome = EnvFolder("XDG_CONFIG_HOME", ".config");
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::string list = dirs && *dirs ? dirs : "/usr/local/share:/usr/share";
    std::istringstream in(list);
    for (std::string dir; std::getline(in, dir, ':');) {
        if (!dir.empty()) {
            places.DataDirs.emplace_back(dir);
        }
    }
    return places;
}

std::string AssociationCommand(const std::string& programPath) {
    return programPath + " \"%1\"";
}

bool RegisterAssociation(platform::KeyStore& store, const std::string& programPath,
                         view::UserInterface& ui) {
    if (!platform::ProgramExists("xdg-mime")) {
        ui.ShowMessage(text::Sj(
            "xdg-mime が見つかりません。xdg-utils をインストールしてから登録してください。"));
        return false;
    }
    const DesktopPlaces places = DesktopPlaces::FromEnvironment();
    const bool registeredBefore = store.KeyExists(kRecord);
    const std::string previous = registeredBefore
                                     ? store.DefaultValue(RecordKey("PreviousDefault")).value_or("")
                                     : CurrentDefault();
    std::string desktopFile;
    std::string mimeFile;
    if (!SystemProvides(places)) {
        const fs::path desktop = places.DataHome / "applications" / kDesktopId;
        const fs::path mime = places.DataHome / "mime" / "packages" / kMimePackageName;
        if (!WriteText(desktop, UserDesktopEntry(text::Cp932ToUtf8(programPath))) ||
            !WriteText(mime, kMimePackage)) {
            ui.ShowMessage(text::Utf8ToCp932(places.DataHome.string()) +
                           text::Sj("\n\t書き込みが出来ません。"));
            return false;
        }
        desktopFile = desktop.string();
        mimeFile = mime.string();
        RefreshDatabases(places);
    }
    const bool recorded =
        store.SetDefaultValue(RecordKey("Desktop"), text::Utf8ToCp932(desktopFile)) &&
        store.SetDefaultValue(RecordKey("MimePackage"), text::Utf8ToCp932(mimeFile)) &&
        store.SetDefaultValue(RecordKey("PreviousDefault"), previous) &&
        (!EditorTypeRegistered(store) ||
         store.SetDefaultValue(VerbKey() + "\\command", AssociationCommand(programPath)));
    if (!recorded) {
        ReportUnwritten(store, ui);
        return false;
    }
    platform::RunProgram({"xdg-mime", "default", kDesktopId, kDrawingMimeType});
    if (CurrentDefault() != kDesktopId) {
        ui.ShowMessage(
            text::Sj("ファイルマネージャーへの関連付けが出来ませんでした (xdg-mime が ") +
            text::Sj("既定のアプリケーションを設定しませんでした)。"));
        return false;
    }
    ui.ShowInformation(text::Sj("レジストリに関連付けを登録しました"));
    return true;
}

bool RemoveAssociation(platform::KeyStore& store, view::UserInterface& ui) {
    const bool recorded = store.KeyExists(kRecord);
    const bool verb = store.KeyExists(VerbKey() + "\\command");
    if (!recorded && !verb) {
        ui.ShowInformation(text::Sj("関連付けが登録されていません"));
        return false;
    }
    if (recorded) {
        const DesktopPlaces places = DesktopPlaces::FromEnvironment();
        // The default before goes back only while the user has not chosen another since.
        const std::string previous = store.DefaultValue(RecordKey("PreviousDefault")).value_or("");
        if (CurrentDefault() == kDesktopId && !previous.empty() && previous != kDesktopId) {
            platform::RunProgram({"xdg-mime", "default", previous, kDrawingMimeType});
        } else {
            RemoveUserDefault(places);
        }
        for (const char* installed : {"Desktop", "MimePackage"}) {
            const std::string file = store.DefaultValue(RecordKey(installed)).value_or("");
            if (!file.empty()) {
                std::error_code ec;
                fs::remove(fs::path(text::Cp932ToUtf8(file)), ec);
            }
        }
        RefreshDatabases(places);
    }
    if ((recorded && !store.DeleteKey(kRecord)) || (verb && !store.DeleteKey(VerbKey()))) {
        ReportUnwritten(store, ui);
        return false;
    }
    ui.ShowInformation(text::Sj("レジストリから関連付けを削除しました"));
    return true;
}

}  // namespace app
