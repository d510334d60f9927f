// SPDX-License-Identifier: GPL-3.0-or-later
// A binary part library read into the list, then every symbol's pins placed.
#include "fuzz/LibraryInput.h"
#include "library/LibraryFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ReadLibraryInput("fuzz.lib", data, size, library::ReadLibFile);
    return 0;
}
