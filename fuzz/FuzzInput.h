// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/Bytes.h"
#include "support/ScopedEnv.h"

// What every fuzz target shares: the readers take files, so each input is written into
// one folder made for the whole run. The folder is the program home and the key store's
// place as well, so a run never reads or writes the user's own settings.
namespace fuzz {

inline support::EditorSandbox& Sandbox() {
    static support::EditorSandbox sandbox;
    return sandbox;
}

// Writes the input under `name` in the sandbox (the current directory is set back to it,
// since reading a drawing moves it) and returns the full path.
inline std::string WriteInput(const std::string& name, std::string_view bytes) {
    support::EditorSandbox& sandbox = Sandbox();
    std::filesystem::current_path(sandbox.Dir.Path());
    return support::WriteFileBytes(sandbox.Dir / name, bytes);
}

inline std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    return WriteInput(name, std::string_view(reinterpret_cast<const char*>(data), size));
}

}  // namespace fuzz
