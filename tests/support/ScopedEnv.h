// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "support/TempDir.h"

namespace support {

// Sets (or, with no value, removes) an environment variable for one test and puts the
// previous value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace support

namespace support {

// A test folder whose key store is empty and which has no Wine prefix, so the editor's
// settings come only from what the test writes there. It is the program home as well, so
// the program's settings are the test's too.
struct EditorSandbox {
    TempDir Dir;
    ScopedEnv Home{"VORNEXTRACT_HOME", Dir.Path().string()};
    ScopedEnv Registry{"VORNEXTRACT_REGISTRY", Dir / "registry.reg"};
    ScopedEnv Wine{"WINEPREFIX", Dir / "wine"};
};

}  // namespace support
