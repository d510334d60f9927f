// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScopedEnv.h"

#include <cstdlib>

namespace support {

namespace {
void Put(const std::string& name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
    } else {
        ::unsetenv(name.c_str());
    }
}
}  // namespace

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        previous_ = old;
    }
    Put(name_, value);
}

ScopedEnv::~ScopedEnv() {
    Put(name_, previous_);
}

}  // namespace support
