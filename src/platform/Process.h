// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Running the desktop's helper programs (xdg-mime, update-mime-database, an editor).
namespace platform {

// Runs `argv` (its program found on PATH when the name has no slash) and waits for it;
// its standard output goes into `output` when given. -1 when it could not be started or
// did not exit normally, else its exit status.
int RunProgram(const std::vector<std::string>& argv, std::string* output = nullptr);

// Whether `name` can be run: an executable file by that path, or by that name on PATH.
bool ProgramExists(std::string_view name);

// A command line split into its words: blanks separate them, double quotes keep blanks in
// a word (the quotes themselves are dropped).
std::vector<std::string> SplitCommandLine(std::string_view command);

}  // namespace platform
