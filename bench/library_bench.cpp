// Loads generated text libraries whose symbols come in ascending, descending and shuffled
// name order, and prints how long reading and putting them in order took.
//   library_bench [SYMBOLS...]   (default 100000 400000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
    library::ReadLb3File(list, 0, ui);
    count = list.Count();
    if (count > 0) {
        (void)list[0];  // the list is put in name order when first read by position
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
    std::printf("%9s %-10s %10s %9s\n", "symbols", "order", "MiB", "load s");
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
            std::printf("%9zu %-10s %10.1f %9.3f%s\n", n, order,
                        static_cast<double>(lb3.Build().size()) / (1 << 20), seconds,
                        count == static_cast<int>(n) ? "" : "  (symbols lost!)");
            std::fflush(stdout);
            if (order[0] == 'd') {
                std::reverse(names.begin(), names.end());
            }
        }
    }
    return 0;
}
