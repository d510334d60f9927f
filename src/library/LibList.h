#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The symbols of the schematic editor's part libraries, as one name-sorted list.
namespace library {

constexpr int kLibrarySlots = 16;

// A symbol from a text library (".lb3").
struct TSymbInf3 {
    std::int16_t SymWidth = 0;  // grid units
    std::int16_t SymHeight = 0;
    // One text per pin block, in file order: each token of the block preceded by a comma.
    std::vector<std::string> PinLines;
};

struct TSymbolEntry {
    std::string SymbolName;  // CP932
    // A binary library's symbol record, checked on reading to lie wholly inside its
    // library image (the header and every pin entry); empty for other symbols.
    std::span<const std::uint8_t> LibData;
    std::unique_ptr<TSymbInf3> Lb3Data;  // a text library's symbol; null for others
};

struct SymbolSize {
    int Width = 0;  // grid units
    int Height = 0;
};

class TLibList {
  public:
    // The library names of the editor's settings (LIB0..LIB15), CP932 as written.
    std::array<std::string, kLibrarySlots> FileNames;
    // The whole contents of each binary library read; the entries of its symbols point
    // into it, so an image lives until the list is cleared.
    std::array<std::unique_ptr<std::vector<std::uint8_t>>, kLibrarySlots> Images;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    const TSymbolEntry& operator[](int index) const {
        return *entries_[static_cast<std::size_t>(index)];
    }

    void Clear();
    // Inserts a symbol at its sorted place; null when the name is already there. A text
    // library's name has its "%XX" escapes replaced first and gets an empty TSymbInf3.
    TSymbolEntry* AddSymbol(std::string_view name, bool fromLb3);
    // The symbol whose name equals `name` byte for byte; null when none.
    const TSymbolEntry* FindSymbol(std::string_view name) const;
    TSymbolEntry* FindSymbol(std::string_view name);

    static SymbolSize SizeOf(const TSymbolEntry& entry);

  private:
    std::vector<std::unique_ptr<TSymbolEntry>> entries_;
};

// A text library's name as the list keeps it: "%" and two hexadecimal digits become the
// byte they give (any other "%" stays as written), then the name is cut to the 15 bytes
// a drawing's symbol name can hold.
std::string Lb3SymbolName(std::string_view written);

}  // namespace library
