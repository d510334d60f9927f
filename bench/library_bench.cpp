// SPDX-License-Identifier: GPL-3.0-or-later
// Loads generated text libraries whose symbols come in ascending, descending and shuffled
// name order, and prints how long reading and putting them in order took; beside it, for
// up to 200 000 symbols, the filing the list used before: each name inserted at its sorted
// place in one vector of records.
//   library_bench [SYMBOLS...]   (default 100000 400000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "library/LibraryFiles.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/TempDir.h"

namespace {

double LoadSeconds(const std::string& path, int& count) {
    const auto start = std::chrono::steady_clock::now();
    support::RecordingUserInterface ui;
    library::TLibList list;
    list.FileNames[0] = path;
    library::ReadLb3File(list, 0, std::filesystem::path(path).parent_path(), ui);
    count = list.Count();
    if (count > 0) {
        (void)list[0];  // the list is put in name order when first read by position
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The former filing, without the reading: each record inserted at its sorted place.
double SortedInsertSeconds(const std::vector<std::string>& names) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::unique_ptr<std::string>> list;
    for (const std::string& name : names) {
        auto at = std::lower_bound(
            list.begin(), list.end(), name,
            [](const std::unique_ptr<std::string>& e, const std::string& n) { return *e < n; });
        if (at == list.end() || **at != name) {
            list.insert(at, std::make_unique<std::string>(name));
        }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    }
    if (sizes.empty()) {
        sizes = {100000, 400000};
    }
    support::TempDir dir;
    std::printf("%9s %-10s %10s %9s %18s\n", "symbols", "order", "MiB", "load s",
                "former filing s");
    for (std::size_t n : sizes) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < n; ++i) {
            std::string digits = std::to_string(i);
            names.push_back("SYM" + std::string(9 - std::min<std::size_t>(9, digits.size()), '0') +
                            digits);
        }
        for (const char* order : {"ascending", "descending", "shuffled"}) {
            if (order[0] == 'd') {
                std::reverse(names.begin(), names.end());
            } else if (order[0] == 's') {
                std::shuffle(names.begin(), names.end(), std::mt19937(5));
            }
            support::Lb3Builder lb3;
            for (const std::string& name : names) {
                lb3.Symbol({name, 4, 2, {{"1", 'L', 1, {"1"}}, {"2", 'R', 1, {"2"}}}});
            }
            const std::string path = lb3.WriteTo(dir / "big.lb3");
            int count = 0;
            const double seconds = LoadSeconds(path, count);
            char former[32] = "not run";
            if (n <= 200000) {
                std::snprintf(former, sizeof former, "%.3f", SortedInsertSeconds(names));
            }
            std::printf("%9zu %-10s %10.1f %9.3f %18s%s\n", n, order,
                        static_cast<double>(lb3.Build().size()) / (1 << 20), seconds, former,
                        count == static_cast<int>(n) ? "" : "  (symbols lost!)");
            std::fflush(stdout);
            if (order[0] == 'd') {
                std::reverse(names.begin(), names.end());
            }
        }
    }
    return 0;
}
