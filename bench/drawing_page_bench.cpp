// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly the drawing page shows a large drawing, and what its geometry costs.
//
//   drawing_page_bench [WIRES...]        (default 10000 100000)
//
// Each size is the benchmarks' field of resistors (four wires from one part to the next, as
// schematics usually draw them) read as the window reads it. Columns: the wires and parts;
// the geometry kept, in bytes per wire; the seconds of making the drawing's canvas (its texts
// converted once), of painting the whole drawing fitted to a 1280 x 800 window, of painting
// it with one net highlighted, of painting a part of it at 1:1 with every text, and of
// finding the item under a click. Paints are the best of three. Runs offscreen.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/MainWindowState.h"
#include "support/RecordingViews.h"
#include "support/ResistorField.h"
#include "support/ScopedEnv.h"
#include "ui/DrawingCanvas.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// The best of three paints of the canvas into an image of its size.
double PaintSeconds(ui::DrawingCanvas& canvas) {
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        canvas.render(&image);
        best = std::min(best, Seconds(start));
    }
    return best;
}

int Run(int wires) {
    support::EditorSandbox sandbox;
    support::WriteResistorLibrary(sandbox.Dir.Path());
    const auto file = sandbox.Dir.Path() / "bench.ce2";
    const support::ResistorField field = support::WriteResistorField(wires, 4, file);
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui);
    state.LoadSettings();
    state.CreateTables();
    state.ReadDrawing(file, "bench.ce2");
    state.FinishLoad();
    if (state.Drawings.size() != 1 || !ui.Messages.empty()) {
        std::fprintf(stderr, "drawing_page_bench: the drawing was not read\n");
        return 1;
    }
    const model::DrawingGeometry& drawing = *state.Drawings[0];

    netlist::DrawingMarks marks;
    marks.FindShorts(state.Drawings);
    auto start = Clock::now();
    ui::DrawingCanvas canvas(drawing, marks);
    canvas.resize(1280, 800);
    canvas.FitToWindow();
    const double made = Seconds(start);
    const double fitted = PaintSeconds(canvas);
    marks.HighlightedNets.insert(state.NetList[0]);
    const double highlighted = PaintSeconds(canvas);
    canvas.SetView({1.0, -30000, -30000});
    const double close = PaintSeconds(canvas);
    start = Clock::now();
    const model::DrawingHit hit = model::HitAt(drawing, -29920, -30000, 5);
    const double click = Seconds(start);

    std::printf("%8d %7d %10.1f %9.3f %9.3f %11.3f %9.3f %8.4f%s\n", field.Wires, field.Parts,
                static_cast<double>(drawing.MemoryBytes()) / field.Wires, made, fitted, highlighted,
                close, click, hit.What == model::DrawingHit::Kind::None ? " (miss)" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty()) {
        sizes = {10000, 100000};
    }
    std::printf("%8s %7s %10s %9s %9s %11s %9s %8s\n", "wires", "parts", "bytes/wire", "canvas s",
                "fitted s", "highlight s", "1:1 s", "click s");
    for (int wires : sizes) {
        if (wires <= 0 || Run(wires) != 0) {
            return 1;
        }
    }
    return 0;
}
