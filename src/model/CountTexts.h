// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "text/Cp932.h"

// The counts the status bar shows while and after reading, and the batch command prints as
// its summary (CP932).
namespace model {

inline std::string PartsCountText(std::size_t parts) {
    return text::Sj("部品数：") + std::to_string(parts);
}

inline std::string NetsCountText(std::size_t nets) {
    return text::Sj("ネット数：") + std::to_string(nets);
}

}  // namespace model
