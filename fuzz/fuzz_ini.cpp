// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file read, a few values taken, one written back in memory and read again.
#include "fuzz/FuzzInput.h"
#include "library/LibraryFiles.h"
#include "settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string path = fuzz::WriteInput("fuzz.ini", data, size);
    settings::TIniFile ini(path);
    for (const char* section : {"Option", "Library", "NameGroup", ""}) {
        (void)ini.ReadString(section, "LIB0", "");
        (void)ini.ReadInteger(section, "Grid", 7);
        (void)ini.ReadBool(section, "CvtDir", false);
    }
    (void)library::ReadLibraryNames(path);
    ini.WriteString("Option", "Grid", "20");
    ini.WriteValues("New", {{"A", "1"}, {"B", " two "}});
    if (ini.Value("Option", "Grid") != "20" || ini.Value("New", "B") != " two ") {
        __builtin_trap();  // a written value must read back
    }
    (void)ini.Text();
    return 0;
}
