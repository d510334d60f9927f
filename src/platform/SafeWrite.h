// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// Replaces the file's content by `bytes` through a temporary file in the same folder and
// a rename, so a failed write (full disk, folder without write access) leaves the old
// file as it was and never a half file. A link is followed: its target is replaced.
// An existing file keeps its permission bits and, where this process may set it, its
// owner; a file without write permission is not replaced. A run stopped by SIGINT or
// SIGTERM meanwhile leaves no temporary. False when anything failed.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

enum class SaveResult {
    Saved,
    CannotCreate,  // the file (or its temporary twin) could not be made
    CannotWrite,   // it was made, but writing or replacing failed
};
// The same, telling why it failed.
SaveResult SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same with the bytes made while they are written: `produce` hands them over piece by
// piece to the writer it is given, so a large file is never held whole in memory.
using PieceWriter = std::function<void(std::string_view piece)>;
SaveResult SaveFileAtomically(const std::filesystem::path& path,
                              const std::function<void(const PieceWriter&)>& produce);

// Where an output file goes: a path as typed or derived, or the standard output of the
// process (the "-" of the batch command; a path of "-" is a file of that name).
struct OutputTarget {
    // Not explicit: a file name is the common target, and callers pass it as one.
    OutputTarget(std::string path) : Path(std::move(path)) {}
    OutputTarget(std::filesystem::path path) : Path(std::move(path)) {}
    static OutputTarget StandardOutput();

    std::filesystem::path Path;
    bool IsStandardOutput = false;
};

// Saves an output file. The standard output, a FIFO and a character device (a terminal,
// a named pipe, /dev/null) cannot be replaced and are written directly, waiting for a
// pipe's reader like any writer; everything else is saved through a temporary file as
// SaveFileAtomically does.
SaveResult SaveOutputFile(const OutputTarget& target,
                          const std::function<void(const PieceWriter&)>& produce);

}  // namespace platform
