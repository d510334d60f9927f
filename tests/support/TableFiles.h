// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/Bytes.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"

namespace support {

// Writes the UTF-8 text as CP932 bytes into the file (the text's own line ends are kept,
// so a test spells out "\r\n" where a file made on Windows has it).
void WriteCp932File(const std::string& path, std::string_view utf8Text);
// The file's bytes; empty when it cannot be read.
std::string ReadBytesFile(const std::string& path);
// The file's CP932 text as UTF-8.
std::string ReadCp932FileAsUtf8(const std::string& path);
// Number of entries in a folder (to see that no temporary file was left behind).
int FileCount(const std::string& folder);

// Every row of the view as UTF-8 cells.
std::vector<std::vector<std::string>> RowsUtf8(const RecordingListView& view);

// Points the program home at `folder` while it lives, so nothing is written beside the
// test programs.
class ScopedProgramHome : public ScopedEnv {
  public:
    explicit ScopedProgramHome(const std::string& folder) : ScopedEnv("VORNEXTRACT_HOME", folder) {}
};

}  // namespace support
