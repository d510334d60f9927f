#include "cli/BatchCommand.h"

#include <filesystem>
#include <string_view>

#include "app/MainWindowState.h"
#include "cli/ConsoleUserInterface.h"

namespace cli {
namespace fs = std::filesystem;

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine command;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            command.Drawings.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--batch") {
            command.Batch = true;
        } else if (arg == "-v" || arg == "--verbose") {
            command.Verbose = true;
        } else if (arg == "-h" || arg == "--help") {
            command.Help = true;
        } else if (arg == "-V" || arg == "--version") {
            command.Version = true;
        } else if (command.Error.empty()) {
            command.Error = "unknown option: " + std::string(arg);
        }
    }
    return command;
}

std::string VersionText() {
    return "vornextract Ver 1.4.3  Rev 2k3.11.04\n";
}

std::string UsageText() {
    return "Usage: vornextract [OPTION]... [DRAWING.ce2]...\n"
           "Reads Vorn schematic drawings and extracts their netlist and parts list.\n"
           "The drawings are read in order, each added to the ones before.\n"
           "\n"
           "  --batch        work without a window (also the default when no display is set)\n"
           "  -v, --verbose  print the reading progress on standard error\n"
           "  -h, --help     show this help and exit\n"
           "  -V, --version  show the version and exit\n"
           "  --             treat every later argument as a drawing\n"
           "\n"
           "Messages go to standard error in UTF-8. Exit status:\n"
           "  0  every drawing was read without an error message\n"
           "  1  an error message was shown\n"
           "  2  the command line was not understood\n";
}

int HandleInformational(const CommandLine& command, std::ostream& out, std::ostream& err) {
    if (!command.Error.empty()) {
        err << "vornextract: " << command.Error << "\n\n" << UsageText();
        return kExitUsage;
    }
    if (command.Help) {
        out << UsageText();
        return kExitOk;
    }
    if (command.Version) {
        out << VersionText();
        return kExitOk;
    }
    return -1;
}

int RunBatch(const CommandLine& command, std::ostream& out, std::ostream& err) {
    int info = HandleInformational(command, out, err);
    if (info >= 0) {
        return info;
    }
    if (command.Drawings.empty()) {
        err << "vornextract: no drawing given\n\n" << UsageText();
        return kExitUsage;
    }
    // Reading a drawing moves into its folder, so every name given is fixed against the
    // folder the command started in; messages still show each name as given.
    std::vector<fs::path> paths;
    for (const std::string& drawing : command.Drawings) {
        std::error_code ec;
        fs::path absolute = fs::absolute(drawing, ec);
        paths.push_back(ec ? fs::path(drawing) : absolute);
    }

    ConsoleUserInterface ui(err, command.Verbose);
    app::MainWindowState state(ui);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        state.ReadDrawing(paths[i].string(), command.Drawings[i]);
    }
    return ui.MessageCount() == 0 ? kExitOk : kExitMessages;
}

}  // namespace cli
