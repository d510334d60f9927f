// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace output {

// Where the bytes of an output file go as they are made. Appended like a std::string; the
// bytes are handed on to the drain a block at a time, so writing the file of a large
// drawing holds one block instead of the whole file. Without a drain they are kept, for
// Take.
class ByteSink {
  public:
    using Drain = std::function<void(std::string_view bytes)>;
    static constexpr std::size_t kBlock = 1 << 20;

    ByteSink() = default;
    explicit ByteSink(Drain drain) : drain_(std::move(drain)) { buffer_.reserve(kBlock + 4096); }
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;

    ByteSink& operator+=(std::string_view bytes) {
        buffer_ += bytes;
        if (drain_ && buffer_.size() >= kBlock) {
            Flush();
        }
        return *this;
    }
    ByteSink& operator+=(char c) { return *this += std::string_view(&c, 1); }

    // Hands what is gathered to the drain; the producer calls it once it is done.
    void Flush() {
        if (drain_ && !buffer_.empty()) {
            drain_(buffer_);
            buffer_.clear();
        }
    }
    // Everything appended, when there is no drain.
    std::string Take() { return std::move(buffer_); }

  private:
    Drain drain_;
    std::string buffer_;
};

}  // namespace output
