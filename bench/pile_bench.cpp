// SPDX-License-Identifier: GPL-3.0-or-later
// Piles of wires on one line, as copy-paste accidents leave them, through the junction and
// overlap splits: the indexed steps and the plain ones side by side, each run in a forked
// child with its own time limit, and the wire lists they leave compared.
//   pile_bench [SECONDS]   time limit of a plain run (default 60)
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "netlist/Connectivity.h"
#include "netlist/IndexedConnectivity.h"
#include "support/RandomDrawing.h"

namespace {

using Wires = std::vector<std::pair<model::TPoint, model::TPoint>>;

struct Pile {
    std::string Name;
    Wires Drawn;
    std::vector<model::TPoint> Junctions;
};

model::TPoint At(int x) {
    return {static_cast<std::int16_t>(x), 0};
}

Pile Nested(int n) {
    Pile pile{std::to_string(n) + " nested", {}, {}};
    for (int k = 0; k < n; ++k) {
        pile.Drawn.emplace_back(At(-10 * n + 10 * k), At(10 * n - 10 * k));
    }
    return pile;
}

Pile Identical(int n, int junctions) {
    Pile pile{
        std::to_string(n) + " identical, " + std::to_string(junctions) + " junctions", {}, {}};
    for (int k = 0; k < n; ++k) {
        pile.Drawn.emplace_back(At(-10 * junctions), At(10 * junctions));
    }
    for (int j = 0; j < junctions; ++j) {
        pile.Junctions.push_back(At(-10 * junctions + 20 * j + 10));
    }
    return pile;
}

Pile Chained(int n) {
    Pile pile{std::to_string(n) + " chained", {}, {}};
    for (int k = 0; k < n; ++k) {
        pile.Drawn.emplace_back(At(-30000 + 5 * k), At(-30000 + 5 * k + 20));
    }
    return pile;
}

Pile Mixed(int n) {
    std::mt19937 rng(3);
    return {std::to_string(n) + " copies, nested, chained",
            support::PileOfWires(rng, n, 0, -30000, 30000),
            {}};
}

struct Run {
    double Seconds = -1;  // -1: did not finish in time
    std::size_t Pieces = 0;
    std::size_t Digest = 0;
};

// Splits the pile in a child process, so a slow or hungry plain run can be stopped.
Run Split(const Pile& pile, bool indexed, unsigned limitSeconds) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(limitSeconds);
        model::TWireList wires;
        for (const auto& [a, b] : pile.Drawn) {
            wires.Items.emplace_back(a, b);
        }
        wires.Junctions = pile.Junctions;
        const auto start = std::chrono::steady_clock::now();
        (indexed ? netlist::indexed::SplitAtJunctions : netlist::SplitAtJunctions)(wires);
        (indexed ? netlist::indexed::SplitOverlaps : netlist::SplitOverlaps)(wires);
        Run run;
        run.Seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.Pieces = static_cast<std::size_t>(wires.Count());
        for (const auto& w : wires.Items) {
            run.Digest = run.Digest * 1000003u + static_cast<std::size_t>(w.X1 * 7919 + w.X2);
        }
        (void)!::write(channel[1], &run, sizeof run);
        ::_exit(0);
    }
    ::close(channel[1]);
    Run run;
    if (::read(channel[0], &run, sizeof run) != static_cast<ssize_t>(sizeof run)) {
        run = {};
    }
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return run;
}

std::string Shown(const Run& run) {
    char text[32];
    if (run.Seconds < 0) {
        return "  not done";
    }
    std::snprintf(text, sizeof text, "%10.3f", run.Seconds);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned limit = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 60;
    std::printf("%-40s %9s %10s %10s  %s\n", "pile", "pieces", "indexed s", "plain s",
                "same wires");
    for (const Pile& pile :
         {Nested(100), Nested(300), Nested(500), Identical(2000, 0), Identical(2000, 2000),
          Identical(10000, 0), Chained(10000), Mixed(1000), Mixed(10000)}) {
        const Run indexed = Split(pile, true, limit);
        const Run plain = Split(pile, false, limit);
        const char* same = plain.Seconds < 0 || indexed.Seconds < 0 ? "-"
                           : plain.Digest == indexed.Digest && plain.Pieces == indexed.Pieces
                               ? "yes"
                               : "NO";
        std::printf("%-40s %9zu %s %s  %s\n", pile.Name.c_str(), indexed.Pieces,
                    Shown(indexed).c_str(), Shown(plain).c_str(), same);
        std::fflush(stdout);
        if (same[0] == 'N') {
            return 1;
        }
    }
    return 0;
}
