// SPDX-License-Identifier: GPL-3.0-or-later
// Plain against indexed connectivity on generated drawings of 1 000 to 1 000 000 wires:
// parts filed into the parts list, wires split, stubbed, named, sorted and numbered, nets
// built. Each run happens in a forked child so that its time and peak memory stand alone.
// The plain pass runs only while its expected time stays under a minute.
//
// Usage: bench_connectivity [largest wire count]

#include <sys/resource.h>
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

struct Result {
    double Seconds = 0;
    long PeakKb = 0;   // peak resident size of the child
    long InputKb = 0;  // resident size once the drawing was generated
    int Nets = 0;
    std::size_t Digest = 0;  // of the full description, when asked for
    bool Ok = false;
};

long ResidentKb() {
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

support::RandomShape ShapeFor(int wires) {
    support::RandomShape shape;
    shape.Wires = wires;
    // About one wire per 20 grid points, short wires, as on a busy sheet; the sheet grows
    // with the drawing up to the coordinate range.
    int side = 10;
    while (side * side < wires * 20 && side < 3200) {
        side += 10;
    }
    shape.GridPoints = side;
    shape.MaxLength = 6;
    shape.Parts = wires / 10;
    shape.Labels = wires / 50;
    shape.Junctions = wires / 10;
    shape.Numbered = true;
    return shape;
}

// Runs `variant` on a drawing of `wires` wires in a child process.
Result Measure(int wires, const support::ConnectivityVariant& variant, bool describe) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::mt19937 rng(static_cast<unsigned>(wires));
        const auto drawings = support::RandomDrawings(rng, ShapeFor(wires));
        Result r;
        r.InputKb = ResidentKb();
        const auto start = std::chrono::steady_clock::now();
        if (describe) {
            r.Digest = std::hash<std::string>()(support::RunAndDescribe(drawings, variant));
        } else {
            r.Nets = support::Run(drawings, variant);
        }
        r.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        r.PeakKb = usage.ru_maxrss;
        r.Ok = true;
        const bool written = write(pipeEnds[1], &r, sizeof r) == static_cast<ssize_t>(sizeof r);
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    Result r;
    if (child < 0 || read(pipeEnds[0], &r, sizeof r) != static_cast<ssize_t>(sizeof r)) {
        r = {};
    }
    close(pipeEnds[0]);
    if (child > 0) {
        waitpid(child, nullptr, 0);
    }
    return r;
}

void Print(const char* name, int wires, const Result& r) {
    if (!r.Ok) {
        std::printf("%-8s %9d  failed\n", name, wires);
        return;
    }
    // Per wire: what the run added to the generated drawing (the file's records, in effect).
    std::printf(
        "%-8s %9d  %9.3f s  peak %8ld KiB, %5.0f B/wire over the drawing (%ld KiB)"
        "  %d nets\n",
        name, wires, r.Seconds, r.PeakKb,
        1024.0 * static_cast<double>(r.PeakKb - r.InputKb) / wires, r.InputKb, r.Nets);
}

}  // namespace

int main(int argc, char** argv) {
    const int largest = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const support::ConnectivityVariant plain{netlist::ConnectWires, false, false};
    const support::ConnectivityVariant indexed{netlist::indexed::ConnectWires, true, true};
    double plainSeconds = 0;
    for (int wires = 1000; wires <= largest; wires *= 10) {
        // The plain pass grows with the square of the wire count.
        const bool runPlain = plainSeconds * 100 < 60;
        Result p;
        if (runPlain) {
            p = Measure(wires, plain, false);
            plainSeconds = p.Ok ? p.Seconds : 1e9;
            Print("plain", wires, p);
        } else {
            std::printf("%-8s %9d  skipped (over a minute expected)\n", "plain", wires);
        }
        const Result x = Measure(wires, indexed, false);
        Print("indexed", wires, x);
        if (runPlain && p.Ok && x.Ok) {
            std::printf("ratio    %9d  %9.1f x\n", wires, p.Seconds / x.Seconds);
        }
        if (wires <= 10000) {
            const bool same =
                Measure(wires, plain, true).Digest == Measure(wires, indexed, true).Digest;
            std::printf("results  %9d  %s\n", wires, same ? "identical" : "DIFFERENT");
        }
        std::fflush(stdout);
    }
    return 0;
}
