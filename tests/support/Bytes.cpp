// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Bytes.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace support {

Bytes& Bytes::U8(unsigned v) {
    data_.push_back(static_cast<char>(v & 0xFF));
    return *this;
}

Bytes& Bytes::U16(unsigned v) {
    return U8(v).U8(v >> 8);
}

Bytes& Bytes::I16(int v) {
    return U16(static_cast<unsigned>(v) & 0xFFFF);
}

Bytes& Bytes::U32(std::uint32_t v) {
    return U16(v & 0xFFFF).U16(v >> 16);
}

Bytes& Bytes::Raw(std::string_view bytes) {
    data_.append(bytes);
    return *this;
}

Bytes& Bytes::Field(std::string_view text, std::size_t size) {
    std::string field(text.substr(0, size));
    field.resize(size, '\0');
    return Raw(field);
}

Bytes& Bytes::Zeros(std::size_t count) {
    data_.append(count, '\0');
    return *this;
}

Bytes& Bytes::PatchU16(std::size_t offset, unsigned v) {
    data_.at(offset) = static_cast<char>(v & 0xFF);
    data_.at(offset + 1) = static_cast<char>((v >> 8) & 0xFF);
    return *this;
}

Bytes& Bytes::PatchU32(std::size_t offset, std::uint32_t v) {
    PatchU16(offset, v & 0xFFFF);
    return PatchU16(offset + 2, v >> 16);
}

std::string WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::filesystem::path target(path);
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}

}  // namespace support
