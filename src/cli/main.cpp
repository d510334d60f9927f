// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "cli/BatchCommand.h"

#ifdef VORNEXTRACT_HAVE_UI
#include "ui/Application.h"
#endif

namespace {

[[maybe_unused]] bool HaveDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    // Only collation and character classes follow the user's locale; numbers stay plain.
    std::setlocale(LC_COLLATE, "");
    std::setlocale(LC_CTYPE, "");
    cli::CommandLine command = cli::ParseCommandLine(argc, argv);
#ifdef VORNEXTRACT_HAVE_UI
    if (!command.Batch && HaveDisplay()) {
        int info = cli::HandleInformational(command, std::cout, std::cerr);
        if (info >= 0) {
            return info;
        }
        return ui::RunApplication(argc, argv, command.Drawings);
    }
#endif
    // A reader of an output pipe that goes away (`--net - | head`) makes the write fail
    // with a message and status 1, instead of ending the run in silence.
    std::signal(SIGPIPE, SIG_IGN);
    return cli::RunBatch(command, std::cout, std::cerr);
}
