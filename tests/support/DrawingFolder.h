// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "support/ScopedEnv.h"

namespace support {

// A folder with the editor's settings and a library holding a resistor "R" (two pins),
// where tests put small drawings of resistors. The program home and the key store point
// into it, so the program's settings are the test's too; it is the current directory
// until a drawing is read.
class DrawingFolder {
  public:
    DrawingFolder();

    // Writes a drawing of the named resistors, each wired to the next by one wire, into
    // `name` (a path below the folder; its folder gets the editor's settings as well).
    // Returns the full path.
    std::string Drawing(const std::string& name, const std::vector<std::string>& refs);
    std::string operator/(const std::string& name) const { return sandbox_.Dir / name; }
    const std::filesystem::path& Path() const { return sandbox_.Dir.Path(); }

  private:
    void EditorSettingsIn(const std::filesystem::path& folder);

    EditorSandbox sandbox_;
};

}  // namespace support
