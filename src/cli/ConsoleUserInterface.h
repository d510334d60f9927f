// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "view/UserInterface.h"

namespace cli {

// The user interface of the batch command: every message goes to the error stream as
// UTF-8, questions take their safe answer, progress is printed only when asked for.
class ConsoleUserInterface : public view::UserInterface {
  public:
    ConsoleUserInterface(std::ostream& err, bool verbose) : err_(err), verbose_(verbose) {}

    int MessageCount() const { return messageCount_; }
    // Every message and warning of the run so far (CP932), for the JSON result.
    const std::vector<std::string>& Said() const { return said_; }

    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    // Nothing can be asked without a window: the answer is No, which never discards data.
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool Prompt(const std::string& caption, const std::string& label, std::string& value) override;
    void SetProgressText(const std::string& text) override;
    void SetWireCount(const std::string& text) override;
    void SetStatusPanel(int panel, const std::string& text) override;
    std::string StatusPanel(int panel) const override;
    void RepaintStatus() override {}
    void EnableSaveMenu(bool) override {}

  private:
    std::ostream& err_;
    std::vector<std::string> said_;
    bool verbose_;
    int messageCount_ = 0;
    std::array<std::string, view::kStatusPanels> panels_;
};

}  // namespace cli
