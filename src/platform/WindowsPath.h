// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Names written on Windows (library names in the editor's settings, stored folders) as
// paths of this system.
namespace platform {

// The Wine prefix: $WINEPREFIX, else ~/.wine.
std::filesystem::path WinePrefix();

// Resolves a CP932 Windows path: a backslash (never the trail byte of a double-byte
// character) or a slash separates components; a drive letter "X:" stands for
// <prefix>/dosdevices/x: when that exists; a relative name resolves in `folder` (the
// drawings' folder, for the names the editor's files hold). When the exact name does not exist,
// each component is matched without regard to ASCII letter case, as Windows would; the first
// component that matches nothing is kept as written, so the result names the file that would have
// been meant.
std::filesystem::path ResolveWindowsPath(std::string_view cp932,
                                         const std::filesystem::path& folder);

// Everything up to and including the last backslash or colon of a CP932 path (a slash
// counts too when `slashSeparates`); empty when there is none.
std::string WindowsFolderPart(std::string_view cp932, bool slashSeparates = true);

}  // namespace platform
