// A drawing read the whole way: records, parts filed against a small library and the
// tables, nets built, the parts list finished and both output layouts made.
#include "app/MainWindowState.h"
#include "fuzz/FuzzInput.h"
#include "output/NetlistFiles.h"
#include "output/PartsListFiles.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"

namespace {

void WriteLibraryOnce() {
    static bool written = [] {
        support::EditorSandbox& sandbox = fuzz::Sandbox();
        using support::PinNoWord;
        support::LibBuilder()
            .Symbol({"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}})
            .Symbol({"7400",
                     6,
                     8,
                     2,
                     {{2, 0, {PinNoWord(1), PinNoWord(4)}},
                      {3, 1, {PinNoWord(12, 'A'), PinNoWord(13, 'B')}},
                      {4, 2, {PinNoWord(3), PinNoWord(6)}}}})
            .WriteTo(sandbox.Dir / "parts.lib");
        support::WriteFileBytes(sandbox.Dir / "vorn.ini", support::VornIni({"parts.lib"}));
        support::WriteFileBytes(sandbox.Dir / "NameTable.Txt", "10k\tRES-10K\r\n");
        support::WriteFileBytes(sandbox.Dir / "PinCvtList.txt", "7400\r\n\t3\tA2\r\n");
        return true;
    }();
    (void)written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteLibraryOnce();
    std::string path = fuzz::WriteInput("fuzz.ce2", data, size);
    support::RecordingUserInterface ui;
    app::MainWindowState state(ui);
    state.ReadDrawing(path, "fuzz.ce2");
    state.FinishLoad();
    (void)output::PartsListBytes(output::PartsListFormat::Txt, state.Titles, state.PartsList);
    (void)output::ProtelNetBytes(*state.PartsViewB, state.NetList);
    return 0;
}
