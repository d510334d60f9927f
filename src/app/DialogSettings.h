// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

#include "settings/IniFile.h"

// The sections the small dialogs keep in the settings files: each reads its own when it
// is made and writes it when it closes, whichever button closed it.
namespace app {

struct DialogGeometry {
    int Left = 0;
    int Width = 0;
    int Top = 0;
    int Height = 0;
};

// Left, Width, Top, Height of `section`; what is missing keeps the value of `def`.
DialogGeometry ReadGeometry(const settings::TIniFile& file, std::string_view section,
                            const DialogGeometry& def);
void WriteGeometry(settings::TIniFile& file, std::string_view section,
                   const DialogGeometry& geometry);

// Section "SaveDlg" of the folder settings file.
struct SaveDlgSettings {
    DialogGeometry Geometry{564, 435, 107, 113};
    bool SavePlistEn = true;
    bool SimpleNetEn = false;
    bool ProtelNetEn = false;
};
SaveDlgSettings ReadSaveDlgSettings(const std::filesystem::path& file);
// False when the file could not be written (reported by the caller).
bool WriteSaveDlgSettings(const std::filesystem::path& file, const SaveDlgSettings& values);

// ReadStyle of section "OpenDlg" of the folder settings file: 0 replace, 1 add.
int ReadOpenDlgStyle(const std::filesystem::path& file);
bool WriteOpenDlgStyle(const std::filesystem::path& file, int readStyle);

// The edit dialogs of the parts views keep their place and two check boxes: section
// "EditParts" and "FootEdit" of the program settings file.
struct EditDialogSettings {
    DialogGeometry Geometry;
    bool UpdateCvt = true;
    bool UpdateAll = true;
};
inline constexpr std::string_view kEditParts = "EditParts";
inline constexpr std::string_view kFootEdit = "FootEdit";
inline constexpr DialogGeometry kEditPartsDesign{301, 385, 108, 298};
inline constexpr DialogGeometry kFootEditDesign{301, 385, 120, 262};
EditDialogSettings ReadEditDialogSettings(const std::filesystem::path& file,
                                          std::string_view section, const DialogGeometry& def);
// `withBoxes` false keeps the check boxes' stored values.
bool WriteEditDialogSettings(const std::filesystem::path& file, std::string_view section,
                             const EditDialogSettings& values, bool withBoxes = true);

// Section "CvtEdit" of the program settings file.
inline constexpr DialogGeometry kCvtEditDesign{658, 355, 226, 104};
DialogGeometry ReadCvtEditGeometry(const std::filesystem::path& file);
bool WriteCvtEditGeometry(const std::filesystem::path& file, const DialogGeometry& geometry);

}  // namespace app
