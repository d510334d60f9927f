// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over kept inputs without libFuzzer, so that ./test replays the corpus
// and every input that once found a fault with the ordinary compiler (and, in the sanitizer
// build, under the sanitizers). Each input has the fuzzers' own limits: an input that runs
// longer than the time limit or, outside the sanitizer builds, needs more memory than the
// limit fails the replay and is named.
//   replay_TARGET [--seconds N] [--megabytes N] FILE-OR-FOLDER...
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The input running now, for the time-out message (written from a signal handler).
char g_current[4096] = {};

void OnTimeOut(int) {
    const char head[] = "replay: input ran past the time limit: ";
    (void)!::write(2, head, sizeof head - 1);
    (void)!::write(2, g_current, std::strlen(g_current));
    (void)!::write(2, "\n", 1);
    ::_exit(1);
}

std::vector<fs::path> InputsOf(const fs::path& given) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(given)) {
        for (const auto& entry : fs::directory_iterator(given)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::exists(given)) {
        inputs.push_back(given);
    }
    return inputs;
}

void LimitMemory(long megabytes) {
    // The address space limit would also bound the sanitizer's shadow memory.
    if (kAddressSanitizer || megabytes <= 0) {
        return;
    }
    const rlim_t bytes = static_cast<rlim_t>(megabytes) * 1024 * 1024;
    rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_AS, &limit);
}

}  // namespace

int main(int argc, char** argv) {
    unsigned seconds = 2;
    long megabytes = 2048;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
            continue;
        }
        if (arg == "--megabytes" && i + 1 < argc) {
            megabytes = std::strtol(argv[++i], nullptr, 10);
            continue;
        }
        const std::vector<fs::path> found = InputsOf(arg);
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    LimitMemory(megabytes);
    std::signal(SIGALRM, OnTimeOut);
    double slowest = 0;
    fs::path slowestInput;
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::strncpy(g_current, input.c_str(), sizeof g_current - 1);
        const auto start = std::chrono::steady_clock::now();
        ::alarm(seconds);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ::alarm(0);
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (took > slowest) {
            slowest = took;
            slowestInput = input;
        }
    }
    std::cout << inputs.size() << " inputs replayed; slowest " << slowest
              << " s: " << slowestInput.filename().string() << "\n";
    // A folder with no inputs is a mistake in the build, not a pass.
    return inputs.empty() ? 1 : 0;
}
