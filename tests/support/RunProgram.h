#pragma once

#include <string>
#include <vector>

namespace support {

struct ProgramResult {
    int Status = -1;  // exit status; -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// Runs the vornextract binary in `workDir` with `args`, without a display, with its home,
// key store and Wine prefix in `workDir`, and collects what it printed.
ProgramResult RunVornextract(const std::string& workDir, const std::vector<std::string>& args);

}  // namespace support
