#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Exit codes of the command.
enum ExitCode {
    kExitOk = 0,        // every drawing read without an error message
    kExitMessages = 1,  // at least one error message was shown
    kExitUsage = 2,     // the command line was not understood
};

struct CommandLine {
    bool Batch = false;
    bool Verbose = false;
    bool Help = false;
    bool Version = false;
    std::vector<std::string> Drawings;
    std::string Error;  // set when the command line is not understood
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

std::string UsageText();
std::string VersionText();

// Runs the batch command: reads the drawings in order, each added to the ones before.
int RunBatch(const CommandLine& command, std::ostream& out, std::ostream& err);

// --help, --version and command-line errors, shared by both faces; returns -1 when the
// command line asks for real work.
int HandleInformational(const CommandLine& command, std::ostream& out, std::ostream& err);

}  // namespace cli
