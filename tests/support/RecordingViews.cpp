// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingViews.h"

#include <stdexcept>

#include "text/Cp932.h"

namespace support {

std::vector<std::string> RowUtf8(const view::MemoryListView& list, int row) {
    std::vector<std::string> out;
    for (const std::string& cell : list.Cells(row)) {
        out.push_back(text::Cp932ToUtf8(cell));
    }
    return out;
}

bool RecordingUserInterface::AskYesNo(const std::string&, const std::string& text) {
    Questions.push_back(text);
    if (YesNoAnswers.empty()) {
        return true;
    }
    bool answer = YesNoAnswers.front();
    YesNoAnswers.erase(YesNoAnswers.begin());
    return answer;
}

bool RecordingUserInterface::Prompt(const std::string&, const std::string& label,
                                    std::string& value) {
    Questions.push_back(label);
    if (PromptAnswers.empty()) {
        return false;
    }
    value = PromptAnswers.front();
    PromptAnswers.erase(PromptAnswers.begin());
    return true;
}

void RecordingUserInterface::SetStatusPanel(int panel, const std::string& text) {
    Panels.at(static_cast<std::size_t>(panel)) = text;
}

std::string RecordingUserInterface::StatusPanel(int panel) const {
    return Panels.at(static_cast<std::size_t>(panel));
}

std::vector<std::string> RecordingUserInterface::MessagesUtf8() const {
    std::vector<std::string> out;
    for (const std::string& m : Messages) {
        out.push_back(text::Cp932ToUtf8(m));
    }
    return out;
}

std::string RecordingUserInterface::PanelUtf8(int panel) const {
    return text::Cp932ToUtf8(StatusPanel(panel));
}

}  // namespace support
