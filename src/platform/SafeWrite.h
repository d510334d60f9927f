#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace platform {

// Replaces the file's content by `bytes` through a temporary file in the same folder and
// a rename, so a failed write (full disk, folder without write access) leaves the old
// file as it was and never a half file. A link is followed: its target is replaced.
// An existing file keeps its permission bits; a file without write permission is not
// replaced. False when anything failed.
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

}  // namespace platform
