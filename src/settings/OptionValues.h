// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace settings {

// One group (種別) of the name conversion lists with its check mark.
struct NameGroupItem {
    std::string Name;  // CP932
    bool Checked = true;
};

// The values of the main window's option controls, named as the controls. Texts are
// CP932. The initial values are the effective ones of a first start (no settings file).
struct TOptionValues {
    std::string CvtDir;                // folder of the conversion tables (UTF-8 path as CP932)
    std::string TitleName = "TITLE2";  // part name of the title block
    std::string PartsListPreFix = "DA4Z-";
    std::string PwParts = "VCC;VEE;GND";
    std::vector<NameGroupItem> NameGroup;
    std::string Editors = "NOTEPAD.EXE";
    int CR_SilkType = 1;  // 0 empty, 1 drawing name, 2 converted name
    int NetNameType = 0;  // 0 serial numbers, 1 reference and pin
    int PListType = 0;    // 0 NJP, 1 CSV, 2 TXT
    std::string NetSeparator = "_";
    bool PinCvtEnv = false;
    // The export menu's grouped parts list and JSON result, kept per folder.
    std::string ExportFields = "references,quantity,name,maker,footprint";
    bool ExportRanges = true;
    std::string ExportEncoding = "utf-8";

    bool SerialNetNames() const { return NetNameType == 0; }
};

}  // namespace settings
