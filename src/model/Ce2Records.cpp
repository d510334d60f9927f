// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Ce2Records.h"

#include <algorithm>
#include <cstring>

namespace model {

std::string_view CCe2Part::NameText() const {
    return std::string_view(Name, std::min<std::size_t>(NameLen, sizeof Name));
}

std::string_view CCe2Part::RefText() const {
    return std::string_view(Ref, std::min<std::size_t>(RefLen, sizeof Ref));
}

std::string_view CCe2Part::LibNameText() const {
    const void* nul = std::memchr(LibName, 0, sizeof LibName);
    std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - LibName) : sizeof LibName;
    return std::string_view(LibName, n);
}

std::string_view CCe2Label::LabelText() const {
    return std::string_view(Text, std::min<std::size_t>(TextLen, sizeof Text));
}

namespace {
template <typename T>
T DecodeAs(const std::uint8_t* bytes) {
    T record;
    std::memcpy(static_cast<void*>(&record), bytes, sizeof(T));
    return record;
}
}  // namespace

CCe2Part DecodePart(const std::uint8_t* bytes) {
    return DecodeAs<CCe2Part>(bytes);
}
CCe2Label DecodeLabel(const std::uint8_t* bytes) {
    return DecodeAs<CCe2Label>(bytes);
}

std::int16_t ReadInt16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

}  // namespace model
