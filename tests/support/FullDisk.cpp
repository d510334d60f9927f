// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FullDisk.h"

#include <csignal>
#include <stdexcept>

namespace support {

ScopedFullDisk::ScopedFullDisk(std::size_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (::getrlimit(RLIMIT_FSIZE, &previous_) != 0) {
        throw std::runtime_error("getrlimit failed");
    }
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) {
        throw std::runtime_error("setrlimit failed");
    }
}

ScopedFullDisk::~ScopedFullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace support
