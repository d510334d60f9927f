// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogSettings.h"

#include "settings/SettingsFiles.h"

namespace app {

namespace {

constexpr std::string_view kSaveDlg = "SaveDlg";
constexpr std::string_view kOpenDlg = "OpenDlg";
constexpr std::string_view kCvtEdit = "CvtEdit";

}  // namespace

DialogGeometry ReadGeometry(const settings::TIniFile& file, std::string_view section,
                            const DialogGeometry& def) {
    return {
        file.ReadInteger(section, "Left", def.Left), file.ReadInteger(section, "Width", def.Width),
        file.ReadInteger(section, "Top", def.Top), file.ReadInteger(section, "Height", def.Height)};
}

void WriteGeometry(settings::TIniFile& file, std::string_view section,
                   const DialogGeometry& geometry) {
    file.WriteInteger(section, "Left", geometry.Left);
    file.WriteInteger(section, "Width", geometry.Width);
    file.WriteInteger(section, "Top", geometry.Top);
    file.WriteInteger(section, "Height", geometry.Height);
}

SaveDlgSettings ReadSaveDlgSettings(const std::filesystem::path& file) {
    settings::TIniFile ini(file);
    SaveDlgSettings values;
    values.Geometry = ReadGeometry(ini, kSaveDlg, values.Geometry);
    values.SavePlistEn = ini.ReadBool(kSaveDlg, "SavePlistEn", values.SavePlistEn);
    values.SimpleNetEn = ini.ReadBool(kSaveDlg, "SimpleNetEn", values.SimpleNetEn);
    values.ProtelNetEn = ini.ReadBool(kSaveDlg, "ProtelNetEn", values.ProtelNetEn);
    return values;
}

bool WriteSaveDlgSettings(const std::filesystem::path& file, const SaveDlgSettings& values) {
    settings::TIniFile ini(file);
    WriteGeometry(ini, kSaveDlg, values.Geometry);
    ini.WriteBool(kSaveDlg, "SavePlistEn", values.SavePlistEn);
    ini.WriteBool(kSaveDlg, "SimpleNetEn", values.SimpleNetEn);
    ini.WriteBool(kSaveDlg, "ProtelNetEn", values.ProtelNetEn);
    return ini.UpdateFile();
}

// The radio group holds two items: a stored index past them selects the last one.
int ReadOpenDlgStyle(const std::filesystem::path& file) {
    settings::TIniFile ini(file);
    return settings::RadioIndex(ini.ReadInteger(kOpenDlg, "ReadStyle", 0), 2, 0);
}

bool WriteOpenDlgStyle(const std::filesystem::path& file, int readStyle) {
    settings::TIniFile ini(file);
    ini.WriteInteger(kOpenDlg, "ReadStyle", readStyle);
    return ini.UpdateFile();
}

EditDialogSettings ReadEditDialogSettings(const std::filesystem::path& file,
                                          std::string_view section, const DialogGeometry& def) {
    settings::TIniFile ini(file);
    EditDialogSettings values{ReadGeometry(ini, section, def)};
    values.UpdateCvt = ini.ReadBool(section, "UpdateCvt", values.UpdateCvt);
    values.UpdateAll = ini.ReadBool(section, "UpdateAll", values.UpdateAll);
    return values;
}

bool WriteEditDialogSettings(const std::filesystem::path& file, std::string_view section,
                             const EditDialogSettings& values, bool withBoxes) {
    settings::TIniFile ini(file);
    WriteGeometry(ini, section, values.Geometry);
    if (withBoxes) {
        ini.WriteBool(section, "UpdateCvt", values.UpdateCvt);
        ini.WriteBool(section, "UpdateAll", values.UpdateAll);
    }
    return ini.UpdateFile();
}

DialogGeometry ReadCvtEditGeometry(const std::filesystem::path& file) {
    return ReadGeometry(settings::TIniFile(file), kCvtEdit, kCvtEditDesign);
}

bool WriteCvtEditGeometry(const std::filesystem::path& file, const DialogGeometry& geometry) {
    settings::TIniFile ini(file);
    WriteGeometry(ini, kCvtEdit, geometry);
    return ini.UpdateFile();
}

}  // namespace app
