#include "support/TableFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "text/Cp932.h"

namespace support {
namespace fs = std::filesystem;

void WriteBytesFile(const std::string& path, std::string_view bytes) {
    fs::path p(path);
    if (p.has_parent_path()) {
        fs::create_directories(p.parent_path());
    }
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteCp932File(const std::string& path, std::string_view utf8Text) {
    WriteBytesFile(path, text::Utf8ToCp932(utf8Text));
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

ScopedProgramHome::ScopedProgramHome(const std::string& folder) {
    if (const char* value = std::getenv("VORNEXTRACT_HOME")) {
        hadValue_ = true;
        previous_ = value;
    }
    ::setenv("VORNEXTRACT_HOME", folder.c_str(), 1);
}

ScopedProgramHome::~ScopedProgramHome() {
    if (hadValue_) {
        ::setenv("VORNEXTRACT_HOME", previous_.c_str(), 1);
    } else {
        ::unsetenv("VORNEXTRACT_HOME");
    }
}

}  // namespace support
