// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ShortText.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace text {

void ShortText::Set(std::string_view s) {
    if (s.size() <= kInline) {
        std::memcpy(bytes_, s.data(), s.size());
        bytes_[kTag] = static_cast<unsigned char>(s.size());
        return;
    }
    if (s.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("ShortText");
    }
    char* heap = new char[s.size()];
    std::memcpy(heap, s.data(), s.size());
    const auto size = static_cast<std::uint32_t>(s.size());
    std::memcpy(bytes_, &heap, sizeof heap);
    std::memcpy(bytes_ + sizeof heap, &size, sizeof size);
    bytes_[kTag] = kOnHeap;
}

void ShortText::Release() noexcept {
    if (OnHeap()) {
        char* heap = nullptr;
        std::memcpy(&heap, bytes_, sizeof heap);
        delete[] heap;
    }
    bytes_[kTag] = 0;
}

std::string_view ShortText::View() const {
    if (!OnHeap()) {
        return std::string_view(reinterpret_cast<const char*>(bytes_), bytes_[kTag]);
    }
    const char* heap = nullptr;
    std::uint32_t size = 0;
    std::memcpy(&heap, bytes_, sizeof heap);
    std::memcpy(&size, bytes_ + sizeof heap, sizeof size);
    return std::string_view(heap, size);
}

ShortText::ShortText(ShortText&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.bytes_[kTag] = 0;
}

ShortText& ShortText::operator=(const ShortText& other) {
    if (this != &other) {
        *this = other.View();
    }
    return *this;
}

ShortText& ShortText::operator=(ShortText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.bytes_[kTag] = 0;
    }
    return *this;
}

// The old text is let go only once the new one is made, so assigning a part of itself works
// and a failed allocation leaves the text as it was.
ShortText& ShortText::operator=(std::string_view s) {
    ShortText made(s);
    return *this = std::move(made);
}

}  // namespace text
