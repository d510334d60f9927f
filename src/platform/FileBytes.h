#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The whole content of a regular file; none when it is missing, not a regular file (a
// folder of that name) or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace platform
