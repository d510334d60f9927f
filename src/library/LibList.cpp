#include "library/LibList.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "text/Compare.h"
#include "text/Sjis.h"

namespace library {
namespace {

// Names in a drawing have 16 bytes with their NUL.
constexpr std::size_t kNameField = 16;

// The byte of a "%XX" escape at the start of `s`; none when it is not one.
std::optional<char> EscapedByte(std::string_view s) {
    unsigned value = 0;
    if (s.size() < 3 || s[0] != '%' || !std::isxdigit(static_cast<unsigned char>(s[1])) ||
        !std::isxdigit(static_cast<unsigned char>(s[2]))) {
        return std::nullopt;
    }
    std::from_chars(s.data() + 1, s.data() + 3, value, 16);
    return static_cast<char>(value);
}

}  // namespace

std::string Lb3SymbolName(std::string_view written) {
    std::string name;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (std::optional<char> byte = EscapedByte(written.substr(i))) {
            name.push_back(*byte);
            i += 2;
        } else {
            name.push_back(written[i]);
        }
    }
    return text::FitField(name, kNameField);
}

void TLibList::Clear() {
    entries_.clear();
    for (auto& image : Images) {
        image.reset();
    }
    for (auto& name : FileNames) {
        name.clear();
    }
}

namespace {
auto LowerBound(const std::vector<std::unique_ptr<TSymbolEntry>>& entries, std::string_view name) {
    return std::lower_bound(entries.begin(), entries.end(), name,
                            [](const std::unique_ptr<TSymbolEntry>& e, std::string_view n) {
                                return text::CompareBytes(e->SymbolName, n) < 0;
                            });
}
}  // namespace

TSymbolEntry* TLibList::AddSymbol(std::string_view name, bool fromLb3) {
    std::string key = fromLb3 ? Lb3SymbolName(name) : std::string(name);
    auto at = LowerBound(entries_, key);
    if (at != entries_.end() && (*at)->SymbolName == key) {
        return nullptr;
    }
    auto entry = std::make_unique<TSymbolEntry>();
    entry->SymbolName = std::move(key);
    if (fromLb3) {
        entry->Lb3Data = std::make_unique<TSymbInf3>();
    }
    return entries_.insert(at, std::move(entry))->get();
}

TSymbolEntry* TLibList::FindSymbol(std::string_view name) {
    auto at = LowerBound(entries_, name);
    return (at != entries_.end() && (*at)->SymbolName == name) ? at->get() : nullptr;
}

const TSymbolEntry* TLibList::FindSymbol(std::string_view name) const {
    return const_cast<TLibList*>(this)->FindSymbol(name);
}

SymbolSize TLibList::SizeOf(const TSymbolEntry& entry) {
    if (entry.Lb3Data) {
        return {entry.Lb3Data->SymWidth, entry.Lb3Data->SymHeight};
    }
    if (entry.LibData.size() >= 2) {
        return {entry.LibData[0], entry.LibData[1]};
    }
    return {};
}

}  // namespace library
