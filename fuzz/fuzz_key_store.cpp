// SPDX-License-Identifier: GPL-3.0-or-later
// The key store and the Wine registry reader on the same text, then the editor's open
// command looked up through both.
#include "fuzz/FuzzInput.h"
#include "platform/KeyStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string path = fuzz::WriteInput("registry.reg", data, size);
    fuzz::WriteInput("wine/user.reg", data, size);
    platform::KeyStore store(path);
    for (const char* key : {"HKEY_CLASSES_ROOT\\Vorn.Document\\shell\\open\\command",
                            "HKEY_CLASSES_ROOT", "", "A\\B"}) {
        (void)store.KeyExists(key);
        (void)store.DefaultValue(key);
        (void)platform::WineRegistryDefault(path, key);
    }
    (void)platform::EditorOpenCommand(store);
    return 0;
}
