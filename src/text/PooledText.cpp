// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/PooledText.h"

#include <array>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace text {
namespace {

struct Entry {
    const char* Data;
    std::uint32_t Size;
};

// Numbers are handed out in turn; a number's entry never moves once made, so reading one
// takes no lock while another thread adds texts.
class TextPool {
  public:
    std::uint32_t Intern(std::string_view s) {
        std::lock_guard lock(mutex_);
        if (auto found = ids_.find(s); found != ids_.end()) {
            return found->second;
        }
        if (s.size() > std::numeric_limits<std::uint32_t>::max() ||
            next_ / kChunkEntries >= kChunks) {
            throw std::length_error("PooledText");
        }
        std::atomic<Entry*>& chunk = chunks_[next_ / kChunkEntries];
        Entry* entries = chunk.load(std::memory_order_relaxed);
        if (!entries) {
            // Left unset: only the entries used are ever touched.
            entries = new Entry[kChunkEntries];
            chunk.store(entries, std::memory_order_release);
        }
        const char* kept = Keep(s);
        entries[next_ % kChunkEntries] = {kept, static_cast<std::uint32_t>(s.size())};
        ids_.emplace(std::string_view(kept, s.size()), next_);
        return next_++;
    }

    std::string_view View(std::uint32_t id) const {
        const Entry& entry =
            chunks_[id / kChunkEntries].load(std::memory_order_acquire)[id % kChunkEntries];
        return {entry.Data, entry.Size};
    }

  private:
    static constexpr std::uint32_t kChunkEntries = 1u << 18;
    static constexpr std::uint32_t kChunks = 1u << 14;
    static constexpr std::size_t kBlockBytes = 64 * 1024;

    // The bytes of the texts, packed into blocks; a long text has a block of its own.
    const char* Keep(std::string_view s) {
        if (s.size() > kBlockBytes / 4) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(s.size()));
            std::memcpy(blocks_.back().get(), s.data(), s.size());
            return blocks_.back().get();
        }
        if (blockLeft_ < s.size()) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
            cursor_ = blocks_.back().get();
            blockLeft_ = kBlockBytes;
        }
        char* kept = cursor_;
        std::memcpy(kept, s.data(), s.size());
        cursor_ += s.size();
        blockLeft_ -= s.size();
        return kept;
    }

    std::mutex mutex_;
    std::unordered_map<std::string_view, std::uint32_t> ids_;
    std::array<std::atomic<Entry*>, kChunks> chunks_{};
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* cursor_ = nullptr;
    std::size_t blockLeft_ = 0;
    std::uint32_t next_ = 1;  // 0 is the empty text
};

// Never destroyed: a text may still be read while the program's statics go.
TextPool& Pool() {
    static TextPool* const pool = new TextPool;
    return *pool;
}

}  // namespace

std::uint32_t PooledText::Intern(std::string_view s) {
    return s.empty() ? 0 : Pool().Intern(s);
}

std::string_view PooledText::View() const {
    return id_ == 0 ? std::string_view() : Pool().View(id_);
}

}  // namespace text
