// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/OutputNames.h"

#include <algorithm>

#include "text/Sjis.h"

namespace output {
namespace {

constexpr std::size_t kShortestKeptName = 5;  // a remembered name of 4 bytes or less is no name

// Where the extension starts, or npos. Double-byte characters are stepped over so their
// second byte is never taken for a backslash.
std::size_t ExtensionStart(std::string_view name) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (text::IsLeadByte(c) && i + 1 < name.size()) {
            ++i;
        } else if (c == '\\' || c == '/' || c == ':') {
            dot = std::string_view::npos;
        } else if (c == '.') {
            dot = i;
        }
    }
    return dot;
}

bool CannotStayInName(unsigned char c) {
    return c == '/' || c == '\\' || c < 0x20 || c == 0x7F;
}

}  // namespace

std::string PlainFileName(std::string_view cp932) {
    std::string name(cp932);
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (text::IsLeadByte(c) && i + 1 < name.size() &&
            text::IsTrailByte(static_cast<unsigned char>(name[i + 1]))) {
            ++i;  // a trail byte 0x5C is part of its character, no backslash
        } else if (CannotStayInName(c)) {
            name[i] = '_';
        } else if (c == '.' && i + 1 < name.size() && name[i + 1] == '.') {
            std::size_t end = std::min(name.find_first_not_of('.', i), name.size());
            std::fill(name.begin() + static_cast<std::ptrdiff_t>(i),
                      name.begin() + static_cast<std::ptrdiff_t>(end), '_');
            i = end - 1;
        }
    }
    return name;
}

const char* PartsListExtension(PartsListFormat format) {
    switch (format) {
        case PartsListFormat::Csv:
            return ".csv";
        case PartsListFormat::Txt:
            return ".txt";
        case PartsListFormat::Njp:
            break;
    }
    return ".njp";
}

std::string ReplaceExtension(std::string_view name, std::string_view newTail) {
    std::size_t dot = ExtensionStart(name);
    return std::string(name.substr(0, dot)) + std::string(newTail);
}

std::string ProposedPartsListName(std::string_view remembered, std::string_view listNumber,
                                  std::string_view drawingName, PartsListFormat format) {
    std::string name(remembered);
    if (name.size() < kShortestKeptName) {
        name = PlainFileName(listNumber) + ".njp";
    }
    if (name.size() < kShortestKeptName) {
        name = ReplaceExtension(drawingName, ".njp");
    }
    return ReplaceExtension(name, PartsListExtension(format));
}

std::string ProposedSimpleNetName(std::string_view remembered, std::string_view drawingName) {
    return remembered.empty() ? ReplaceExtension(drawingName, ".net") : std::string(remembered);
}

std::string ProposedProtelNetName(std::string_view remembered, std::string_view drawingName) {
    return remembered.empty() ? ReplaceExtension(drawingName, "_Protel.net")
                              : std::string(remembered);
}

}  // namespace output
