// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TableFiles.h"

#include "support/Bytes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "text/Cp932.h"

namespace support {
namespace fs = std::filesystem;

void WriteCp932File(const std::string& path, std::string_view utf8Text) {
    WriteFileBytes(path, text::Utf8ToCp932(utf8Text));
}

std::string ReadBytesFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string ReadCp932FileAsUtf8(const std::string& path) {
    return text::Cp932ToUtf8(ReadBytesFile(path));
}

int FileCount(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

std::vector<std::vector<std::string>> RowsUtf8(const RecordingListView& view) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < view.RowCount(); ++i) {
        rows.push_back(RowUtf8(view, i));
    }
    return rows;
}

}  // namespace support
