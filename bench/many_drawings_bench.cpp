// SPDX-License-Identifier: GPL-3.0-or-later
// Many drawings in one load: the same 1 000-part drawing read N times into one parts list
// and net list, as the batch command reads the drawings named on its command line, then
// the parts list finished once. Adding a drawing is to cost what that drawing brings.
//
//   many_drawings_bench [N...]        (default 1 50 200)
//
// Columns: the drawings; the seconds of reading them all and finishing the parts list; that
// time over N times the time of one drawing (1.0 is proportional); the nets made.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainWindowState.h"
#include "support/RecordingViews.h"
#include "support/ResistorField.h"
#include "support/ScopedEnv.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds to read the drawing `count` times as the batch command does.
double ReadMany(const std::filesystem::path& drawing, int count, int& nets) {
    support::RecordingUserInterface ui;
    const auto start = Clock::now();
    app::MainWindowState state(ui);
    state.UseUnshownViews();
    state.KeepDrawings = false;
    state.LoadSettings();
    state.CreateTables();
    for (int i = 0; i < count; ++i) {
        state.ReadDrawing(drawing, "bench.ce2");
    }
    state.FinishLoad();
    nets = state.NetList.Count();
    if (!ui.Messages.empty()) {
        std::fprintf(stderr, "many_drawings_bench: the drawing was not read\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        counts.push_back(std::atoi(argv[i]));
    }
    if (counts.empty()) {
        counts = {1, 50, 200};
    }
    support::EditorSandbox sandbox;
    support::WriteResistorLibrary(sandbox.Dir.Path());
    const auto drawing = sandbox.Dir.Path() / "bench.ce2";
    support::WriteResistorField(2000, support::kFewestWiresPerPart, drawing);
    int nets = 0;
    // The best of five, as the one drawing the others are measured against is short.
    double one = 1e9;
    for (int i = 0; i < 5; ++i) {
        one = std::min(one, ReadMany(drawing, 1, nets));
    }
    std::printf("%9s %9s %11s %7s\n", "drawings", "seconds", "vs N x one", "nets");
    for (int count : counts) {
        if (count <= 0) {
            return 1;
        }
        const double seconds = ReadMany(drawing, count, nets);
        std::printf("%9d %9.3f %11.2f %7d\n", count, seconds, seconds / (count * one), nets);
    }
    return 0;
}
