// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace view {

// What the core needs of the window beyond its lists: modal messages and questions,
// the progress labels, the status bar and the save command. All texts are CP932.
// The status bar's panels, left to right.
enum StatusPanelIndex : int {
    kPartsCountPanel = 0,  // "部品数 = N"
    kWireCountPanel = 1,   // wires while reading, then nets
    kFolderPanel = 2,      // the folder of the drawing read last
    kDrawingsPanel = 3,    // the names of the drawings read, each followed by " ; "
    kStatusPanels = 4,
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // Something the user should know of that did not stop the work; a message box unless
    // the face says it another way (the batch command prints it without failing the run).
    virtual void ShowWarning(const std::string& text) { ShowMessage(text); }
    // News of something that went as asked (a box with the information icon); a face
    // without such boxes says it as a message.
    virtual void ShowInformation(const std::string& text) { ShowMessage(text); }
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    // A one-line input prompt; `value` holds the initial text and receives the answer.
    // False when cancelled (value unchanged).
    virtual bool Prompt(const std::string& caption, const std::string& label,
                        std::string& value) = 0;

    // Progress texts; shown at once, even while the core is busy.
    virtual void SetProgressText(const std::string& text) = 0;
    virtual void SetWireCount(const std::string& text) = 0;

    virtual void SetStatusPanel(int panel, const std::string& text) = 0;
    virtual std::string StatusPanel(int panel) const = 0;
    // Makes the status bar's latest texts visible now (the core may be busy for a while).
    virtual void RepaintStatus() = 0;

    virtual void EnableSaveMenu(bool enabled) = 0;
};

}  // namespace view
