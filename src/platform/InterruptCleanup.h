// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// Keeps the name of a temporary file where a SIGINT or SIGTERM handler finds it, so a run
// interrupted while saving removes its temporary instead of leaving it beside the file it
// was to replace. The handler is installed on first use, only for a signal nobody else
// handles; it removes what is registered and lets the signal end the process as before.
class RemoveOnInterrupt {
  public:
    explicit RemoveOnInterrupt(const std::string& path);
    ~RemoveOnInterrupt();
    RemoveOnInterrupt(const RemoveOnInterrupt&) = delete;
    RemoveOnInterrupt& operator=(const RemoveOnInterrupt&) = delete;

  private:
    int slot_;  // -1 when every slot was taken or the name too long: nothing is removed
};

}  // namespace platform
