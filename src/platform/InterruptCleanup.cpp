// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InterruptCleanup.h"

#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

namespace platform {
namespace {

// Saves do not nest deeply: the window saves one file at a time, and a worker thread may
// save a table meanwhile.
constexpr int kSlots = 8;

enum SlotState : int { kFree, kFilling, kReady };

// Only lock-free atomics and fixed arrays: the handler may run between any two steps.
std::atomic<int> slotState[kSlots];
char slotPath[kSlots][PATH_MAX];
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void RemoveTemporariesAndRaise(int signal) {
    int savedErrno = errno;
    for (int i = 0; i < kSlots; ++i) {
        if (slotState[i].load() == kReady) {
            ::unlink(slotPath[i]);
        }
    }
    // Blocked until the handler returns, then the default action ends the process with the
    // status a caller expects from this signal.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    errno = savedErrno;
}

void InstallHandlers() {
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) != 0 || (previous.sa_flags & SA_SIGINFO) != 0 ||
            previous.sa_handler != SIG_DFL) {
            continue;  // ignored (nohup) or handled by someone else: theirs stays
        }
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndRaise;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

int TakeSlot(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (slotState[i].compare_exchange_strong(expected, kFilling)) {
            std::memcpy(slotPath[i], path.c_str(), path.size() + 1);
            slotState[i].store(kReady);
            return i;
        }
    }
    return -1;
}

}  // namespace

RemoveOnInterrupt::RemoveOnInterrupt(const std::string& path) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    slot_ = TakeSlot(path);
}

RemoveOnInterrupt::~RemoveOnInterrupt() {
    if (slot_ >= 0) {
        slotState[slot_].store(kFree);
    }
}

}  // namespace platform
