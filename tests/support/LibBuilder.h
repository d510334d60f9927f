// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/Bytes.h"

namespace support {

// One pin of a ".lib" symbol: where it sits on which side, and its number word per block.
struct LibPin {
    unsigned Offset = 0;                    // along its side, grid units
    unsigned Side = 0;                      // 0 left, 1 top, 2 right, 3 bottom
    std::vector<std::uint16_t> PinNoWords;  // one per block
};

// A pin number word: the number in bits 0-8, a letter code (1 = A) in bits 10-14.
std::uint16_t PinNoWord(unsigned number, char letter = 0);

struct LibSymbol {
    std::string Name;
    unsigned Width = 0;  // grid units
    unsigned Height = 0;
    unsigned Blocks = 1;
    std::vector<LibPin> Pins;
};

// Writes a binary part library (".lib"): a 54-byte header, the name-offset table, the
// data-offset table, the names and the symbol records.
class LibBuilder {
  public:
    LibBuilder& Symbol(const LibSymbol& symbol);
    std::string Build() const;
    std::string WriteTo(const std::string& path) const;

    // Offsets inside the built image, for tests that damage one field.
    static constexpr std::size_t kCountOffset = 16;
    static constexpr std::size_t kNameTableOffset = 18;
    static constexpr std::size_t kDataTableOffset = 22;
    static constexpr std::size_t kDataBaseOffset = 26;
    static constexpr std::size_t kNameBaseOffset = 38;
    static constexpr std::size_t kHeaderSize = 54;

  private:
    std::vector<LibSymbol> symbols_;
};

// One pin block of a ".lb3" symbol: its tokens, written as the editor writes them.
struct Lb3Pin {
    std::string Name;                  // N:
    char Side = 'L';                   // L, R, T or B
    int Position = 0;                  // grid units along the side
    std::vector<std::string> Numbers;  // M:, one per block
};

struct Lb3Symbol {
    std::string Name;  // may hold %XX escapes as written in the file
    int Width = 0;
    int Height = 0;
    std::vector<Lb3Pin> Pins;
};

// Writes a text part library (".lb3") with CRLF line ends.
class Lb3Builder {
  public:
    Lb3Builder();
    Lb3Builder& Symbol(const Lb3Symbol& symbol);
    Lb3Builder& Alias(const std::string& aliasName, const std::string& targetName);
    Lb3Builder& Line(const std::string& raw);  // CRLF is added
    const std::string& Build() const { return text_; }
    std::string WriteTo(const std::string& path) const;

  private:
    std::string text_;
};

}  // namespace support

namespace support {

// The editor's settings file text with LIB0.. set to the names given (empty names are
// left out), CRLF line ends.
std::string VornIni(const std::vector<std::string>& libNames);

}  // namespace support
