// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Sjis.h"

#include <cstring>

namespace text {

std::size_t WholeCharacterPrefix(std::string_view s, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t width =
            (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
        if (i + width > maxBytes) {
            break;
        }
        i += width;
    }
    return i;
}

std::string FitField(std::string_view s, std::size_t fieldSize) {
    if (fieldSize == 0) {
        return {};
    }
    auto nul = s.find('\0');
    if (nul != std::string_view::npos) {
        s = s.substr(0, nul);
    }
    return std::string(s.substr(0, WholeCharacterPrefix(s, fieldSize - 1)));
}

void CopyToField(char* field, std::size_t fieldSize, std::string_view s) {
    if (fieldSize == 0) {
        return;
    }
    std::string fitted = FitField(s, fieldSize);
    std::memcpy(field, fitted.data(), fitted.size());
    std::memset(field + fitted.size(), 0, fieldSize - fitted.size());
}

}  // namespace text
