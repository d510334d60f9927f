// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowState.h"

// Loading drawings into the main window: the first load of the command-line drawings and
// the open command with its choice between replacing and adding. The window answers the
// questions through LoadHost, so the flows run the same under a test.
namespace app {

enum class OpenStyle { Replace = 0, Add = 1 };

class LoadHost {
  public:
    virtual ~LoadHost() = default;
    // The open-confirm dialog; none when cancelled.
    virtual std::optional<OpenStyle> ConfirmOpen() = 0;
    // The open dialog with its filter, starting folder and proposed name (UTF-8); the
    // chosen file, none when cancelled.
    virtual std::optional<std::filesystem::path> ChooseDrawing(const std::string& filter,
                                                               const std::string& folder,
                                                               const std::string& proposed) = 0;
    // Reads the window's own values back into the state and saves both settings files.
    virtual void SaveSettings() = 0;
    // Reads one drawing into the state and shows the settings the read loaded.
    virtual void ReadDrawing(const std::filesystem::path& file, const std::string& shownName) = 0;
};

inline constexpr const char* kDrawingFilter = "VORN 回路図 (*.ce2)|*.ce2";

// Reads every named drawing that exists (others are skipped without a word), all added
// one after the other, then finishes the parts; the net view is shown in every case.
// Names are taken relative to `startDir`, as they stood on the command line. Returns the last
// drawing read, the name the open dialog then holds.
std::optional<std::filesystem::path> FirstLoad(MainWindowState& state, LoadHost& host,
                                               const std::vector<std::string>& drawings,
                                               const std::filesystem::path& startDir);

// The open command. Returns the drawing read, none when the user stopped on the way.
std::optional<std::filesystem::path> OpenCommand(MainWindowState& state, LoadHost& host);

}  // namespace app
