// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing read the whole way with its own library: records, parts filed against the
// library and the tables, nets built, the parts list finished and the output layouts made.
#include "app/MainWindowState.h"
#include "fuzz/DrawingInput.h"
#include "fuzz/FuzzInput.h"
#include "output/NetlistFiles.h"
#include "output/PartsListFiles.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"

namespace {

void WriteTablesOnce() {
    static bool written = [] {
        support::EditorSandbox& sandbox = fuzz::Sandbox();
        support::WriteFileBytes(sandbox.Dir / "NameTable.Txt", "10k\tRES-10K\r\n");
        support::WriteFileBytes(sandbox.Dir / "PinCvtList.txt", "7400\r\n\t3\tA2\r\n");
        return true;
    }();
    (void)written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteTablesOnce();
    const fuzz::DrawingInput input = fuzz::SplitDrawingInput(data, size);
    const std::string libraryName = fuzz::LibraryFileName(input.Library);
    fuzz::WriteInput(libraryName, input.Library);
    fuzz::WriteInput("vorn.ini", support::VornIni({libraryName}));
    std::string path = fuzz::WriteInput("fuzz.ce2", input.Drawing);
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui);
    state.ReadDrawing(path, "fuzz.ce2");
    state.FinishLoad();
    (void)output::PartsListBytes(output::PartsListFormat::Txt, state.Titles, state.PartsList);
    (void)output::ProtelNetBytes(state.PartsList, state.NetList);
    return 0;
}
