// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ConsoleUserInterface.h"

#include "text/Cp932.h"

namespace cli {

void ConsoleUserInterface::ShowMessage(const std::string& text) {
    ++messageCount_;
    said_.push_back(text);
    err_ << text::Cp932ToUtf8(text) << '\n' << std::flush;
}

// A warning is not an error: the exit status stays as the run's errors make it.
void ConsoleUserInterface::ShowWarning(const std::string& text) {
    said_.push_back(text);
    err_ << "警告: " << text::Cp932ToUtf8(text) << '\n' << std::flush;
}

bool ConsoleUserInterface::AskYesNo(const std::string&, const std::string& text) {
    if (verbose_) {
        err_ << text::Cp932ToUtf8(text) << " -> No\n";
    }
    return false;
}

bool ConsoleUserInterface::Prompt(const std::string&, const std::string&, std::string&) {
    return false;
}

void ConsoleUserInterface::SetProgressText(const std::string& text) {
    if (verbose_) {
        err_ << text::Cp932ToUtf8(text) << '\n';
    }
}

void ConsoleUserInterface::SetWireCount(const std::string& text) {
    if (verbose_) {
        err_ << text::Cp932ToUtf8(text) << '\n';
    }
}

void ConsoleUserInterface::SetStatusPanel(int panel, const std::string& text) {
    if (panel >= 0 && panel < view::kStatusPanels) {
        panels_[static_cast<std::size_t>(panel)] = text;
    }
}

std::string ConsoleUserInterface::StatusPanel(int panel) const {
    return (panel >= 0 && panel < view::kStatusPanels) ? panels_[static_cast<std::size_t>(panel)]
                                                       : std::string();
}

}  // namespace cli
