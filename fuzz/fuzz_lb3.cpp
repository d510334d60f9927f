// SPDX-License-Identifier: GPL-3.0-or-later
// A text part library read into the list, then every symbol's pins placed.
#include "fuzz/LibraryInput.h"
#include "library/LibraryFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ReadLibraryInput("fuzz.lb3", data, size, library::ReadLb3File);
    return 0;
}
