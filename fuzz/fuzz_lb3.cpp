// A text part library read into the list, then every symbol's pins placed.
#include "fuzz/FuzzInput.h"
#include "fuzz/PlaceAll.h"
#include "library/LibraryFiles.h"
#include "support/RecordingViews.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput("fuzz.lb3", data, size);
    support::RecordingUserInterface ui;
    library::TLibList list;
    list.FileNames[0] = "fuzz.lb3";
    library::ReadLb3File(list, 0, ui);
    fuzz::PlaceEverySymbol(list);
    return 0;
}
