#pragma once

#include <optional>
#include <string>

namespace support {

// Sets (or, with no value, removes) an environment variable for one test and puts the
// previous value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace support
