// SPDX-License-Identifier: GPL-3.0-or-later
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
    byName_.clear();
    entries_.clear();
    sorted_ = true;
    for (auto& image : Images) {
        image.reset();
    }
    for (auto& name : FileNames) {
        name.clear();
    }
}

const TSymbolEntry& TLibList::operator[](int index) const {
    if (!sorted_) {
        // Names are unique, so an unstable sort gives the one order.
        std::sort(
            entries_.begin(), entries_.end(),
            [](const std::unique_ptr<TSymbolEntry>& a, const std::unique_ptr<TSymbolEntry>& b) {
                return text::CompareBytes(a->SymbolName, b->SymbolName) < 0;
            });
        sorted_ = true;
    }
    return *entries_[static_cast<std::size_t>(index)];
}

TSymbolEntry* TLibList::AddSymbol(std::string_view name, bool fromLb3) {
    std::string key = fromLb3 ? Lb3SymbolName(name) : std::string(name);
    if (byName_.find(std::string_view(key)) != byName_.end()) {
        return nullptr;
    }
    auto entry = std::make_unique<TSymbolEntry>();
    entry->SymbolName = std::move(key);
    if (fromLb3) {
        entry->Lb3Data = std::make_shared<TSymbInf3>();
    }
    TSymbolEntry* added = entry.get();
    sorted_ = sorted_ && (entries_.empty() ||
                          text::CompareBytes(entries_.back()->SymbolName, added->SymbolName) < 0);
    entries_.push_back(std::move(entry));
    byName_.insert(added);
    return added;
}

TSymbolEntry* TLibList::FindSymbol(std::string_view name) {
    auto found = byName_.find(name);
    return found != byName_.end() ? *found : nullptr;
}

const TSymbolEntry* TLibList::FindSymbol(std::string_view name) const {
    return const_cast<TLibList*>(this)->FindSymbol(name);
}

TSymbInf3& TSymbolEntry::WritableLb3Data() {
    if (Lb3Data.use_count() > 1) {
        Lb3Data = std::make_shared<TSymbInf3>(*Lb3Data);
    }
    return *Lb3Data;
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
