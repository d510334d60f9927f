// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DrawingFolder.h"

#include "support/Bytes.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"

namespace support {

// The folder is the current directory too, so a folder settings file written before any
// drawing is read lands there and not beside the test program.
DrawingFolder::DrawingFolder() {
    EditorSettingsIn(sandbox_.Dir.Path());
    std::filesystem::current_path(sandbox_.Dir.Path());
}

void DrawingFolder::EditorSettingsIn(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    LibBuilder lib;
    lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    lib.WriteTo((folder / "parts.lib").string());
    WriteFileBytes((folder / "vorn.ini").string(), VornIni({"parts.lib"}));
}

std::string DrawingFolder::Drawing(const std::string& name, const std::vector<std::string>& refs) {
    std::filesystem::path path = sandbox_.Dir.Path() / name;
    EditorSettingsIn(path.parent_path());
    Ce2Builder drawing;
    int x = 0;
    for (std::size_t i = 0; i < refs.size(); ++i) {
        // Pin 1 at (x, 0), pin 2 at (x + 60, 0); a wire on to the next resistor's pin 1.
        drawing.Part({x + 50, 10, 0, 0, "", refs[i], "R"});
        if (i + 1 < refs.size()) {
            drawing.Wire(x + 60, 0, x + 100, 0);
        }
        x += 100;
    }
    return drawing.WriteTo(path.string());
}

}  // namespace support
