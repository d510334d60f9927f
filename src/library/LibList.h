// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
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
    // A text library's symbol; null for others. An alias shares its target's data instead
    // of copying every pin text (thousands of aliases of a large symbol are common).
    std::shared_ptr<TSymbInf3> Lb3Data;

    // The text symbol's data for a change: a copy first when an alias shares it, so the
    // change stays with this symbol.
    TSymbInf3& WritableLb3Data();
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
    // The symbols in name order (byte-wise).
    const TSymbolEntry& operator[](int index) const;

    void Clear();
    // Adds a symbol; null when the name is already there (the first library wins). A text
    // library's name has its "%XX" escapes replaced first and gets an empty TSymbInf3.
    TSymbolEntry* AddSymbol(std::string_view name, bool fromLb3);
    // The symbol whose name equals `name` byte for byte; null when none.
    const TSymbolEntry* FindSymbol(std::string_view name) const;
    TSymbolEntry* FindSymbol(std::string_view name);

    static SymbolSize SizeOf(const TSymbolEntry& entry);

  private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
        std::size_t operator()(const TSymbolEntry* entry) const {
            return (*this)(entry->SymbolName);
        }
    };
    struct NameEqual {
        using is_transparent = void;
        static std::string_view Name(std::string_view name) { return name; }
        static std::string_view Name(const TSymbolEntry* entry) { return entry->SymbolName; }
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return Name(a) == Name(b);
        }
    };

    // Symbols are found through a hash of their names and put in name order once, when
    // the order is first asked for: inserting each at its sorted place took quadratic time
    // for a library written in descending order.
    mutable std::vector<std::unique_ptr<TSymbolEntry>> entries_;
    mutable bool sorted_ = true;
    std::unordered_set<TSymbolEntry*, NameHash, NameEqual> byName_;
};

// A text library's name as the list keeps it: "%" and two hexadecimal digits become the
// byte they give (any other "%" stays as written), then the name is cut to the 15 bytes
// a drawing's symbol name can hold.
std::string Lb3SymbolName(std::string_view written);

}  // namespace library
