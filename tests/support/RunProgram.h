// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace support {

struct ProgramResult {
    int Status = -1;  // exit status; -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

struct RunOptions {
    // Environment variables set for the program, taking the place of the defaults below
    // (for example another VORNEXTRACT_HOME).
    std::vector<std::pair<std::string, std::string>> Env;
    // Run as the unprivileged user "nobody" when the tests run as root, so that file
    // permissions bind the program as they bind a user. `workDir` must then be readable
    // by everyone.
    bool Unprivileged = false;
    // Seconds after which the program is killed (Status -1), so that a hang fails the test
    // instead of stopping the suite; 0 for no limit.
    unsigned TimeLimitSeconds = 0;
    // The program's address space in bytes, so that running out of memory can be tried
    // cheaply; 0 for no limit. (The sanitizers reserve more than any such limit allows.)
    unsigned long long MemoryLimitBytes = 0;
};

// Runs the vornextract binary in `workDir` with `args`, without a display, with its home,
// key store and Wine prefix in `workDir`, and collects what it printed.
ProgramResult RunVornextract(const std::string& workDir, const std::vector<std::string>& args,
                             const RunOptions& options = {});

// Copies the demo folder `demo` into `workDir` as "amp" and runs the program there with the
// demo's own conversion tables as its home; `args` name the drawings as amp/amp.ce2.
ProgramResult RunOnDemoCopy(const std::string& demo, const std::string& workDir,
                            const std::vector<std::string>& args);

}  // namespace support
