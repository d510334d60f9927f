// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// A growing little-endian byte image, the base of every file builder.
class Bytes {
  public:
    Bytes& U8(unsigned v);
    Bytes& U16(unsigned v);
    Bytes& I16(int v);
    Bytes& U32(std::uint32_t v);
    Bytes& Raw(std::string_view bytes);
    // `text` in a field of `size` bytes, padded with NULs (cut when longer).
    Bytes& Field(std::string_view text, std::size_t size);
    Bytes& Zeros(std::size_t count);
    // Overwrites a 16-bit value already written.
    Bytes& PatchU16(std::size_t offset, unsigned v);
    Bytes& PatchU32(std::size_t offset, std::uint32_t v);

    std::size_t Size() const { return data_.size(); }
    const std::string& Data() const { return data_; }

  private:
    std::string data_;
};

// Writes `bytes` to `path` as they are, making its folder when missing; returns the path.
std::string WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace support
