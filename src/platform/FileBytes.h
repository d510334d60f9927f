// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// How opening a file for reading went.
enum class ReadOpen { Opened, Missing, NotReadable };

// Opens `path` for reading only when it is, after following links, a regular file. A FIFO,
// a device or a folder is NotReadable and is never waited on: it is opened without
// blocking and checked on the open descriptor, so a received folder holding a named pipe
// or a link to /dev/zero cannot hang the program. Returns the descriptor (close-on-exec,
// blocking again) or -1.
int OpenRegularForReading(const std::filesystem::path& path, ReadOpen& status);

// The whole content of a regular file; none when it is missing, not a regular file (a
// folder, a FIFO or a device of that name) or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace platform
