// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace settings {

// One INI-style settings file: CP932 text, "[Section]" lines and "Key=Value" entries,
// section and key names matched without regard to ASCII case. The file is read when the
// object is made (a missing or unreadable file reads as empty and is not created); writes
// change the text in memory, keeping every other line, and UpdateFile puts the whole file
// back in one safe step. Several writers share a file: each opens it, changes its own
// sections and updates it.
class TIniFile {
  public:
    explicit TIniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // The stored value, or none when the section or key is missing. Blanks at either end
    // are dropped and one pair of enclosing quotes is removed, so a written value with
    // blanks at its ends reads back as written. At most 2047 bytes.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; a missing or non-numeric value gives `def`.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // Any integer but 0 is true; a missing or non-numeric value gives `def`.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Replaces the key's line in place, or appends it at the end of its section (the
    // section is added at the end of the file when missing).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Many keys of one section in one pass, as the same WriteString calls in order would.
    void WriteValues(std::string_view section,
                     const std::vector<std::pair<std::string, std::string>>& values);

    // Writes the file when anything was written since it was read; false when that failed
    // (the file on disk is then as it was).
    bool UpdateFile();

    // The text the file would be written with (CRLF line ends).
    std::string Text() const;

  private:
    struct Range {
        std::size_t Header;  // index of the "[...]" line
        std::size_t End;     // one past the section's last line
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;

    std::filesystem::path path_;
    std::vector<std::string> lines_;  // CP932, without line ends
    bool changed_ = false;
    // Line of each key of the first section of each name (folded "section\nkey"), made at
    // the first read after a write, so reading many keys of a large file stays linear.
    mutable std::optional<std::unordered_map<std::string, std::size_t>> keyLines_;
};

// Whether a key written as it stands is found again under the same name: not one with
// blanks at either end, an "=" or a line end, nor one that starts with ";" (a comment) or
// "[" (a section line).
bool KeyReadsBack(std::string_view key);

// Parses an integer value of the settings format; none when it is not a number.
std::optional<int> ParseIniInteger(std::string_view value);

}  // namespace settings
