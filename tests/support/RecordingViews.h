// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "view/MemoryViews.h"
#include "view/UserInterface.h"

namespace support {

using RecordingListView = view::MemoryListView;
using RecordingTreeView = view::MemoryTreeView;

// Cell texts of a row as UTF-8, for readable assertions.
std::vector<std::string> RowUtf8(const view::MemoryListView& list, int row);

// Records everything the core shows, in order. Questions and prompts take scripted
// answers (default: Yes, and prompts cancelled).
class RecordingUserInterface : public view::UserInterface {
  public:
    std::vector<std::string> Messages;  // CP932, in order
    std::vector<std::string> Questions;
    std::vector<std::string> ProgressHistory;
    std::vector<std::string> WireCountHistory;
    std::array<std::string, view::kStatusPanels> Panels;
    int StatusRepaints = 0;
    bool SaveMenuEnabled = false;

    std::vector<bool> YesNoAnswers;          // consumed in order; Yes when none left
    std::vector<std::string> PromptAnswers;  // consumed in order; cancelled when none left

    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool Prompt(const std::string& caption, const std::string& label, std::string& value) override;
    void SetProgressText(const std::string& text) override { ProgressHistory.push_back(text); }
    void SetWireCount(const std::string& text) override { WireCountHistory.push_back(text); }
    void SetStatusPanel(int panel, const std::string& text) override;
    std::string StatusPanel(int panel) const override;
    void RepaintStatus() override { ++StatusRepaints; }
    void EnableSaveMenu(bool enabled) override { SaveMenuEnabled = enabled; }

    // Messages and labels as UTF-8, for readable assertions.
    std::vector<std::string> MessagesUtf8() const;
    std::string PanelUtf8(int panel) const;
};

}  // namespace support
