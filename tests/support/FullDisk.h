// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <cstddef>

namespace support {

// While it lives, writing any file beyond `bytes` fails the way a full disk does (the
// process's file size limit: it holds for root too, so the failure is certain on any
// machine). The signal such a write raises is ignored meanwhile.
class ScopedFullDisk {
  public:
    explicit ScopedFullDisk(std::size_t bytes = 4);
    ~ScopedFullDisk();
    ScopedFullDisk(const ScopedFullDisk&) = delete;
    ScopedFullDisk& operator=(const ScopedFullDisk&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace support
