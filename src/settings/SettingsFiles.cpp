#include "settings/SettingsFiles.h"

#include <algorithm>
#include <system_error>

#include "platform/ProgramHome.h"
#include "text/Cp932.h"

namespace settings {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSystem = "System";
constexpr const char* kOption = "Option";
constexpr const char* kTitle = "Title";
constexpr const char* kView = "View";
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
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

}  // namespace

fs::path SettingsFilePath(bool programWide) {
    if (programWide) {
        return platform::ProgramHome() / kSettingsFileName;
    }
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return (ec ? fs::path(".") : cwd) / kSettingsFileName;
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
    LoadProgramSettings(TIniFile(SettingsFilePath(true)), state, pinCvtChanged);
    LoadFolderSettings(TIniFile(SettingsFilePath(false)), state);
    return pinCvtChanged;
}

std::vector<fs::path> SaveSettings(const TSettingsState& state) {
    std::vector<fs::path> failed;
    // The home is made on the first write; when that fails, so does the write.
    platform::EnsureProgramHome();
    TIniFile program(SettingsFilePath(true));
    WriteProgramSettings(program, state);
    if (!program.UpdateFile()) {
        failed.push_back(program.Path());
    }
    TIniFile folder(SettingsFilePath(false));
    WriteFolderSettings(folder, state);
    if (!folder.UpdateFile() && !(failed.size() == 1 && SameFile(failed[0], folder.Path()))) {
        failed.push_back(folder.Path());
    }
    return failed;
}

void LoadGroupChecks(const TIniFile& file, std::vector<NameGroupItem>& groups) {
    for (NameGroupItem& group : groups) {
        group.Checked = file.ReadBool(kNameGroup, group.Name, true);
    }
}

void LoadGroupChecks(std::vector<NameGroupItem>& groups) {
    LoadGroupChecks(TIniFile(SettingsFilePath(false)), groups);
}

void LoadGroupCheck(std::vector<NameGroupItem>& groups, std::size_t index,
                    const TIniFile& folderFile) {
    if (index < groups.size()) {
        groups[index].Checked = folderFile.ReadBool(kNameGroup, groups[index].Name, true);
    }
}

void LoadGroupCheck(std::vector<NameGroupItem>& groups, std::size_t index) {
    LoadGroupCheck(groups, index, TIniFile(SettingsFilePath(false)));
}

void SaveGroupChecks(TIniFile& file, const std::vector<NameGroupItem>& groups) {
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(groups.size());
    for (const NameGroupItem& group : groups) {
        values.emplace_back(group.Name, group.Checked ? "1" : "0");
    }
    file.WriteValues(kNameGroup, values);
}

bool SaveGroupChecks(const std::vector<NameGroupItem>& groups) {
    TIniFile file(SettingsFilePath(false));
    SaveGroupChecks(file, groups);
    return file.UpdateFile();
}

}  // namespace settings
