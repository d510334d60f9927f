// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "output/GroupedPartsList.h"
#include "output/PartsListFiles.h"

namespace cli {

// Exit codes of the command.
enum ExitCode {
    kExitOk = 0,        // every drawing read and every file written without an error message
    kExitMessages = 1,  // at least one error message was shown
    kExitUsage = 2,     // the command line was not understood
    kExitStrict = 3,    // with --strict: shorts or warnings, and nothing else failed
};

struct CommandLine {
    bool Batch = false;
    bool Verbose = false;
    bool Help = false;
    bool Version = false;
    bool Strict = false;
    bool Force = false;  // write the outputs even after a drawing or library failed to read
    std::optional<std::string> PartsFile;
    std::optional<std::string> NetFile;
    std::optional<std::string> ProtelFile;
    std::optional<std::string> KicadFile;
    std::optional<output::PartsListFormat> Format;
    // --format bom: the grouped parts list, with its columns, ranges and encoding.
    bool GroupedList = false;
    output::BomOptions Bom;
    bool BomOptionGiven = false;  // --fields or --no-ranges
    // --format json: the whole result as JSON in place of the parts list.
    bool JsonResult = false;
    bool EncodingGiven = false;
    // --svg: a picture of each drawing into this folder, the --highlight nets marked.
    std::optional<std::string> SvgFolder;
    std::vector<std::string> Highlights;  // as typed (UTF-8)
    std::vector<std::string> Drawings;
    std::string Error;  // set when the command line is not understood
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

std::string UsageText();
std::string VersionText();

// Runs the batch command: reads the settings as the window does, reads the drawings in
// order (each added to the ones before), finishes the parts list and writes the outputs.
// An output named "-" is written to the process's standard output (the real one, not
// `out`), and the list of files and the summary then go to `err`.
int RunBatch(const CommandLine& command, std::ostream& out, std::ostream& err);

// --help, --version and command-line errors, shared by both faces; returns -1 when the
// command line asks for real work.
int HandleInformational(const CommandLine& command, std::ostream& out, std::ostream& err);

}  // namespace cli
