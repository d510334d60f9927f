// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include <cstdint>
#include <limits>
#include <unordered_set>

#include "platform/FileBytes.h"
#include "platform/SafeWrite.h"
#include "settings/TextScan.h"
#include "text/Compare.h"
#include "text/Sjis.h"

namespace settings {
namespace {

constexpr std::size_t kMaxStringBytes = 2047;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            lines.emplace_back(content, start, i - start);
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < content.size()) {
        lines.emplace_back(content, start, std::string::npos);
    }
    return lines;
}

// The section name of a "[...]" line, or none for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return Trim(line.substr(0, FindAsciiChar(line, ']')));
}

struct Entry {
    std::string_view Key;
    std::string_view Value;
};

// The key and value of a "Key=Value" line; comments (";") and other lines have none.
std::optional<Entry> EntryOf(std::string_view line) {
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    std::size_t eq = FindAsciiChar(trimmed, '=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, text::WholeCharacterPrefix(value, kMaxStringBytes)));
}

// A value is one line; blanks at its ends or enclosing quotes would be lost on reading
// unless the value is quoted.
std::string StoredForm(std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    bool quote =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    return quote ? "\"" + std::string(value) + "\"" : std::string(value);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

bool KeyReadsBack(std::string_view key) {
    if (!key.empty() &&
        (IsBlank(key.front()) || IsBlank(key.back()) || key.front() == ';' || key.front() == '[')) {
        return false;
    }
    // None of these bytes is ever the second byte of a double-byte character.
    return key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

std::optional<int> ParseIniInteger(std::string_view value) {
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        // Eight hex digits at most; 0xFFFFFFFF is -1 as a 32-bit value.
        std::string_view digits = value.substr(2);
        if (digits.size() > 8) {
            return std::nullopt;
        }
        std::uint32_t v = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) {
                return std::nullopt;
            }
            v = v * 16 + static_cast<std::uint32_t>(d);
        }
        return static_cast<int>(static_cast<std::int32_t>(v));
    }
    bool negative = false;
    if (!value.empty() && (value[0] == '-' || value[0] == '+')) {
        negative = value[0] == '-';
        value.remove_prefix(1);
    }
    if (value.empty()) {
        return std::nullopt;
    }
    std::int64_t v = 0;
    for (char c : value) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
        if (v > std::int64_t{std::numeric_limits<int>::max()} + 1) {
            return std::nullopt;
        }
    }
    v = negative ? -v : v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) {
        return std::nullopt;
    }
    return static_cast<int>(v);
}

TIniFile::TIniFile(std::filesystem::path path) : path_(std::move(path)) {
    if (auto content = platform::ReadFileBytes(path_)) {
        lines_ = SplitLines(*content);
    }
}

std::optional<TIniFile::Range> TIniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (name && text::EqualAsciiNoCase(*name, section)) {
            std::size_t end = i + 1;
            while (end < lines_.size() && !SectionName(lines_[end])) {
                ++end;
            }
            return Range{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> TIniFile::FindKey(std::string_view section, std::string_view key) const {
    if (!keyLines_) {
        keyLines_.emplace();
        std::unordered_set<std::string> sections;
        std::string current;
        bool first = false;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (auto name = SectionName(lines_[i])) {
                current = FoldAscii(*name);
                first = sections.insert(current).second;
            } else if (auto entry = EntryOf(lines_[i]); entry && first) {
                keyLines_->emplace(current + "\n" + FoldAscii(entry->Key), i);
            }
        }
    }
    auto found = keyLines_->find(FoldAscii(section) + "\n" + FoldAscii(key));
    return found == keyLines_->end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

std::optional<std::string> TIniFile::Value(std::string_view section, std::string_view key) const {
    auto line = FindKey(section, key);
    if (!line) {
        return std::nullopt;
    }
    return Unquote(EntryOf(lines_[*line])->Value);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    auto value = Value(section, key);
    return value ? *value : std::string(def);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    auto value = Value(section, key);
    auto number = value ? ParseIniInteger(*value) : std::nullopt;
    return number ? *number : def;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteValues(section, {{std::string(key), std::string(value)}});
}

void TIniFile::WriteValues(std::string_view section,
                           const std::vector<std::pair<std::string, std::string>>& values) {
    if (values.empty()) {
        return;
    }
    changed_ = true;
    keyLines_.reset();
    auto range = FindSection(section);
    std::unordered_map<std::string, std::size_t> existing;  // first line of each key
    if (range) {
        for (std::size_t i = range->Header + 1; i < range->End; ++i) {
            if (auto entry = EntryOf(lines_[i])) {
                existing.emplace(FoldAscii(entry->Key), i);
            }
        }
    }
    std::vector<std::string> added;
    std::unordered_map<std::string, std::size_t> addedIndex;
    for (const auto& [key, value] : values) {
        std::string line = key + "=" + StoredForm(value);
        std::string folded = FoldAscii(key);
        if (auto found = existing.find(folded); found != existing.end()) {
            lines_[found->second] = std::move(line);
        } else if (auto again = addedIndex.find(folded); again != addedIndex.end()) {
            added[again->second] = std::move(line);
        } else {
            addedIndex.emplace(folded, added.size());
            added.push_back(std::move(line));
        }
    }
    if (!range) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.insert(lines_.end(), added.begin(), added.end());
        return;
    }
    // After the section's last non-blank line, so blank lines stay between sections.
    std::size_t at = range->End;
    while (at > range->Header + 1 && Trim(lines_[at - 1]).empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string TIniFile::Text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool TIniFile::UpdateFile() {
    if (!changed_) {
        return true;
    }
    if (!platform::WriteFileAtomically(path_, Text())) {
        return false;
    }
    changed_ = false;
    return true;
}

}  // namespace settings
