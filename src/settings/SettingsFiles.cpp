// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFiles.h"

#include <algorithm>
#include <system_error>

#include "platform/ProgramHome.h"
#include "text/Cp932.h"
#include "text/Padding.h"
#include "text/Sjis.h"

namespace settings {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSystem = "System";
constexpr const char* kOption = "Option";
constexpr const char* kTitle = "Title";
constexpr const char* kView = "View";
constexpr const char* kExport = "Export";
constexpr const char* kNameGroup = "NameGroup";

constexpr int kNetNameTypeItems = 2;
constexpr int kPListTypeItems = 3;
constexpr int kCRSilkTypeItems = 3;

int PageIndex(int stored, int pageCount) {
    return (stored >= 0 && stored < pageCount) ? stored : 0;
}

void LoadProgramSettings(const TIniFile& ini, const TSettingsState& state, bool& pinCvtChanged) {
    TWindowLayout& layout = state.Layout;
    TOptionValues& options = state.Options;
    layout.Left = ini.ReadInteger(kSystem, "Left", layout.Left);
    layout.Width = ini.ReadInteger(kSystem, "Width", layout.Width);
    layout.Top = ini.ReadInteger(kSystem, "Top", layout.Top);
    layout.Height = ini.ReadInteger(kSystem, "Height", layout.Height);

    layout.ActivePage =
        PageIndex(ini.ReadInteger(kOption, "ActivePage", 0), TWindowLayout::kPageCount);
    layout.PartsPage =
        PageIndex(ini.ReadInteger(kOption, "PartsPage", 0), TWindowLayout::kPartsPageCount);
    options.NetNameType =
        RadioIndex(ini.ReadInteger(kOption, "NetNameType", 0), kNetNameTypeItems, 0);
    bool pinCvtEnv = ini.ReadBool(kOption, "PinCvtEnv", false);
    pinCvtChanged = pinCvtEnv != options.PinCvtEnv;
    options.PinCvtEnv = pinCvtEnv;
    options.PListType = RadioIndex(ini.ReadInteger(kOption, "PListType", 0), kPListTypeItems, 0);
    options.CvtDir = ini.ReadString(kOption, "CvtDir", DefaultCvtDir());
    options.PwParts = ini.ReadString(kOption, "PwParts", "VCC;VEE;GND");
    options.Editors = ini.ReadString(kOption, "Editor", "NOTEPAD.EXE");

    options.TitleName = ini.ReadString(kTitle, "Title", "TITLE2");
    options.PartsListPreFix = ini.ReadString(kTitle, "PartsListPreFix", "DA4Z-");

    for (const WidthKey& key : ColumnWidthKeys(layout)) {
        *key.Width = ini.ReadInteger(kView, key.Key, *key.Width);
    }
    layout.CvtSplitter = ini.ReadInteger(kView, "CvtSplitter", layout.CvtSplitter);
}

void LoadFolderSettings(const TIniFile& ini, const TSettingsState& state) {
    state.DataDir = ini.ReadString(kOption, "DataDir", "");
    state.PreFile = ini.ReadString(kOption, "PreFile", "");
    state.Options.NetSeparator = ini.ReadString(kOption, "NetSeparator", "_");
    state.Options.CR_SilkType =
        RadioIndex(ini.ReadInteger(kOption, "CRSilkType", 1), kCRSilkTypeItems, 1);
    LoadGroupChecks(ini, state.Options.NameGroup);
    const TOptionValues defaults;
    state.Options.ExportFields = ini.ReadString(kExport, "Fields", defaults.ExportFields);
    state.Options.ExportRanges = ini.ReadBool(kExport, "Ranges", defaults.ExportRanges);
    state.Options.ExportEncoding = ini.ReadString(kExport, "Encoding", defaults.ExportEncoding);
}

void WriteProgramSettings(TIniFile& ini, const TSettingsState& state) {
    TWindowLayout& layout = state.Layout;
    const TOptionValues& options = state.Options;
    ini.WriteInteger(kSystem, "Left", layout.Left);
    ini.WriteInteger(kSystem, "Width", layout.Width);
    ini.WriteInteger(kSystem, "Top", layout.Top);
    ini.WriteInteger(kSystem, "Height", layout.Height);
    ini.WriteInteger(kOption, "ActivePage", layout.ActivePage);
    ini.WriteInteger(kOption, "PartsPage", layout.PartsPage);
    ini.WriteInteger(kOption, "NetNameType", options.NetNameType);
    ini.WriteBool(kOption, "PinCvtEnv", options.PinCvtEnv);
    ini.WriteInteger(kOption, "PListType", options.PListType);
    ini.WriteString(kOption, "CvtDir", options.CvtDir);
    ini.WriteString(kOption, "PwParts", options.PwParts);
    ini.WriteString(kOption, "Editor", options.Editors);
    ini.WriteString(kTitle, "Title", options.TitleName);
    ini.WriteString(kTitle, "PartsListPreFix", options.PartsListPreFix);
    for (const WidthKey& key : ColumnWidthKeys(layout)) {
        ini.WriteInteger(kView, key.Key, *key.Width);
    }
    ini.WriteInteger(kView, "CvtSplitter", layout.CvtSplitter);
}

void WriteFolderSettings(TIniFile& ini, const TSettingsState& state) {
    ini.WriteString(kOption, "DataDir", state.DataDir);
    ini.WriteString(kOption, "PreFile", state.PreFile);
    ini.WriteString(kOption, "NetSeparator", state.Options.NetSeparator);
    ini.WriteInteger(kOption, "CRSilkType", state.Options.CR_SilkType);
    SaveGroupChecks(ini, state.Options.NameGroup);
    ini.WriteString(kExport, "Fields", state.Options.ExportFields);
    ini.WriteBool(kExport, "Ranges", state.Options.ExportRanges);
    ini.WriteString(kExport, "Encoding", state.Options.ExportEncoding);
}

// A group's check mark is stored under the group's name. A name that a key line would not
// give back, or one that starts with the escape mark, is stored as the mark followed by the
// name with blanks, control bytes and "%=;[" written as "%XX"; so no escaped key is ever a
// plain one, and files written before keep reading as they did.
constexpr char kGroupEscape = '%';

bool NeedsGroupEscape(std::string_view name) {
    return !KeyReadsBack(name) || (!name.empty() && name.front() == kGroupEscape);
}

std::string GroupKey(std::string_view name) {
    if (!NeedsGroupEscape(name)) {
        return std::string(name);
    }
    std::string key(1, kGroupEscape);
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (text::IsLeadByte(c) && i + 1 < name.size()) {
            key.append(name.substr(i, 2));
            ++i;
        } else if (c <= ' ' || std::string_view("%=;[").find(name[i]) != std::string_view::npos) {
            key += text::Format("%%%02X", c);
        } else {
            key += name[i];
        }
    }
    return key;
}

bool GroupChecked(const TIniFile& file, std::string_view name) {
    std::string key = GroupKey(name);
    // A name that starts with the mark was stored as it stands before it was escaped.
    if (key != name && KeyReadsBack(name) && !file.Value(kNameGroup, key)) {
        key = name;
    }
    return file.ReadBool(kNameGroup, key, true);
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

}  // namespace

fs::path ProgramSettingsPath() {
    return platform::ProgramHome() / kSettingsFileName;
}

fs::path FolderSettingsPath(const fs::path& folder) {
    return folder / kSettingsFileName;
}

std::string DefaultCvtDir() {
    std::string home = platform::ProgramHome().string();
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return text::Utf8ToCp932(home);
}

int RadioIndex(int stored, int itemCount, int def) {
    if (stored < 0) {
        return def;
    }
    return std::min(stored, itemCount - 1);
}

bool LoadSettings(const TSettingsState& state) {
    bool pinCvtChanged = false;
    LoadProgramSettings(TIniFile(ProgramSettingsPath()), state, pinCvtChanged);
    LoadFolderSettings(TIniFile(FolderSettingsPath(state.Folder)), state);
    return pinCvtChanged;
}

std::vector<fs::path> SaveSettings(const TSettingsState& state) {
    std::vector<fs::path> failed;
    // The home is made on the first write; when that fails, so does the write.
    platform::EnsureProgramHome();
    TIniFile program(ProgramSettingsPath());
    WriteProgramSettings(program, state);
    if (!program.UpdateFile()) {
        failed.push_back(program.Path());
    }
    if (!state.SavesFolderFile) {
        return failed;
    }
    TIniFile folder(FolderSettingsPath(state.Folder));
    WriteFolderSettings(folder, state);
    if (!folder.UpdateFile() && !(failed.size() == 1 && SameFile(failed[0], folder.Path()))) {
        failed.push_back(folder.Path());
    }
    return failed;
}

void LoadGroupChecks(const TIniFile& file, std::vector<NameGroupItem>& groups) {
    for (NameGroupItem& group : groups) {
        group.Checked = GroupChecked(file, group.Name);
    }
}

void LoadGroupCheck(std::vector<NameGroupItem>& groups, std::size_t index,
                    const TIniFile& folderFile) {
    if (index < groups.size()) {
        groups[index].Checked = GroupChecked(folderFile, groups[index].Name);
    }
}

void SaveGroupChecks(TIniFile& file, const std::vector<NameGroupItem>& groups) {
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(groups.size());
    for (const NameGroupItem& group : groups) {
        values.emplace_back(GroupKey(group.Name), group.Checked ? "1" : "0");
    }
    file.WriteValues(kNameGroup, values);
}

}  // namespace settings
