// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoadFlow.h"

#include <system_error>

#include "text/Cp932.h"

namespace app {

namespace fs = std::filesystem;

std::optional<fs::path> FirstLoad(MainWindowState& state, LoadHost& host,
                                  const std::vector<std::string>& drawings,
                                  const fs::path& startDir) {
    std::optional<fs::path> last;
    for (const std::string& drawing : drawings) {
        fs::path file = fs::path(drawing).is_absolute() ? fs::path(drawing) : startDir / drawing;
        std::error_code error;
        if (!fs::is_regular_file(file, error)) {
            continue;
        }
        host.ReadDrawing(file, text::Utf8ToCp932(drawing));
        last = file;
    }
    if (!drawings.empty()) {
        state.FinishLoad();
    } else {
        state.ShowNets();
    }
    return last;
}

std::optional<fs::path> OpenCommand(MainWindowState& state, LoadHost& host) {
    if (state.PartsViewA->RowCount() > 0) {
        std::optional<OpenStyle> style = host.ConfirmOpen();
        if (!style) {
            return std::nullopt;
        }
        if (*style == OpenStyle::Replace) {
            state.ClearAll();
        }
    }
    host.SaveSettings();
    std::optional<fs::path> file = host.ChooseDrawing(
        kDrawingFilter, text::Cp932ToUtf8(state.DataDir), text::Cp932ToUtf8(state.PreFile));
    if (!file) {
        return std::nullopt;
    }
    host.ReadDrawing(*file, text::Utf8ToCp932(file->string()));
    state.FinishLoad();
    return file;
}

}  // namespace app
