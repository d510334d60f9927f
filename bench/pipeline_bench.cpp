// Time and peak memory of the whole pipeline (read + connectivity + nets + parts list +
// writing the three outputs) on generated drawings of growing size.
//
//   pipeline_bench [--max-wires N] [SIZE...]
//   pipeline_bench --write-drawing FOLDER SIZE
//
// The second form only writes the drawing of that size with its library and vorn.ini into
// FOLDER, for profiling the batch command on it.
//
// Each size runs in a child process of its own, so the peak resident size the kernel
// reports for that child belongs to that size alone. The drawing is a field of resistors
// in rows, each joined to the next by two wires meeting end to end (one part per two
// wires); the last part of a row ends in two wires under a label.
//
// Columns: the drawing (wires, parts, labels); the seconds of reading with connectivity
// and nets, of finishing the parts list (pins, footprints, both views and the net view),
// of writing the NJP parts list and both netlists, and in all (wall time); the parts and
// nets made; the processor time and the peak resident size of the child. A size above --max-wires
// is not run; its time is estimated from the largest size that ran, as the connectivity grows with
// the square of the wires.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowState.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPartsPerRow = 250;
constexpr int kPitch = 100;   // drawing units from one resistor to the next
constexpr int kRowStep = 30;  // drawing units between rows (a million wires fit the 16-bit space)
constexpr int kOrigin = -30000;

struct Drawing {
    int Wires = 0;
    int Parts = 0;
    int Labels = 0;
};

// A resistor's pins sit 50 units left and 10 units right of its position, 10 units up.
Drawing WriteDrawing(int wires, const fs::path& path) {
    support::Ce2Builder ce2;
    Drawing d;
    const int parts = wires / 2;
    for (int i = 0; i < parts; ++i) {
        const int row = i / kPartsPerRow;
        const int column = i % kPartsPerRow;
        const int x = kOrigin + column * kPitch + 50;
        const int y = kOrigin + row * kRowStep + 10;
        // References stay below 10000, as on a real drawing: R1..R9999, then RA1.., RB1..
        const int block = i / 9999;
        const std::string ref = "R" +
                                (block ? std::string(1, static_cast<char>('A' + block - 1)) : "") +
                                std::to_string(i % 9999 + 1);
        ce2.Part({.X = x, .Y = y, .Name = "10k", .Ref = ref, .LibName = "R"});
        ++d.Parts;
        const int pinY = y - 10;
        const int right = x + 10;
        const bool lastInRow = column == kPartsPerRow - 1 || i == parts - 1;
        const int next = right + (lastInRow ? 30 : kPitch - 60);
        const int middle = (right + next) / 2;
        ce2.Wire(right, pinY, middle, pinY).Wire(middle, pinY, next, pinY);
        d.Wires += 2;
        if (lastInRow) {
            ce2.Label("ROW" + std::to_string(row + 1), next - 5, pinY);
            ++d.Labels;
        }
    }
    ce2.WriteTo(path.string());
    return d;
}

void WriteLibrary(const fs::path& folder) {
    support::LibBuilder()
        .Symbol({"R", 4, 2, 1, {{1, 0, {support::PinNoWord(1)}}, {1, 2, {support::PinNoWord(2)}}}})
        .WriteTo((folder / "bench.lib").string());
    support::WriteFileBytes((folder / "vorn.ini").string(), support::VornIni({"bench.lib"}));
}

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The child: the batch command's flow on one drawing. Prints one line of stage times.
int RunPipeline(const fs::path& folder, const fs::path& drawing) {
    support::RecordingUserInterface ui;
    auto start = Clock::now();
    app::MainWindowState state(ui);
    state.LoadSettings();
    state.CreateTables();
    state.ReadDrawing(drawing.string(), drawing.filename().string());
    auto read = Clock::now();
    state.FinishLoad();
    auto finished = Clock::now();
    bool written =
        state.WritePartsListFile((folder / "bench.njp").string(), output::PartsListFormat::Njp) &&
        state.WriteSimpleNetFile((folder / "bench.net").string()) &&
        state.WriteProtelNetFile((folder / "bench_Protel.net").string());
    auto end = Clock::now();
    if (!written || !ui.Messages.empty()) {
        std::fprintf(stderr, "pipeline_bench: the outputs were not written\n");
        return 1;
    }
    std::printf("%12.3f %10.3f %10.3f %10.3f %8d %8d", Seconds(start, read),
                Seconds(read, finished), Seconds(finished, end), Seconds(start, end),
                state.PartsList.Count(), state.NetList.Count());
    std::fflush(stdout);
    return 0;
}

// Runs one size in a fresh child; the child's wall time, or nothing when it failed.
std::optional<double> MeasureSize(int wires) {
    support::TempDir dir;
    support::ScopedEnv home("VORNEXTRACT_HOME", dir.Path().string());
    support::ScopedEnv registry("VORNEXTRACT_REGISTRY", dir / "registry.reg");
    support::ScopedEnv wine("WINEPREFIX", dir / "wine");
    WriteLibrary(dir.Path());
    const fs::path drawing = dir.Path() / "bench.ce2";
    Drawing d = WriteDrawing(wires, drawing);

    std::printf("%8d %8d %7d ", d.Wires, d.Parts, d.Labels);
    std::fflush(stdout);
    auto start = Clock::now();
    pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (pid == 0) {
        std::_Exit(RunPipeline(dir.Path(), drawing));
    }
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return std::nullopt;
    }
    double seconds = Seconds(start, Clock::now());
    bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf(" %10.3f %10.1f%s\n", cpu, static_cast<double>(usage.ru_maxrss) / 1024.0,
                ok ? "" : "  FAILED");
    std::fflush(stdout);
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    long maxWires = -1;
    if (argc == 4 && std::string(argv[1]) == "--write-drawing") {
        const fs::path folder = argv[2];
        fs::create_directories(folder);
        WriteLibrary(folder);
        Drawing d = WriteDrawing(std::atoi(argv[3]), folder / "bench.ce2");
        std::printf("%s: %d wires, %d parts, %d labels\n", (folder / "bench.ce2").c_str(), d.Wires,
                    d.Parts, d.Labels);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--max-wires" && i + 1 < argc) {
            maxWires = std::atol(argv[++i]);
        } else if (arg == "-h" || arg == "--help") {
            std::printf("usage: pipeline_bench [--max-wires N] [WIRES...]\n");
            return 0;
        } else {
            int n = std::atoi(arg.c_str());
            if (n < 2 || n > 1000000) {
                std::fprintf(stderr, "pipeline_bench: a size is 2 to 1000000 wires: %s\n", argv[i]);
                return 2;
            }
            sizes.push_back(n);
        }
    }
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000};
    }
    std::printf("%8s %8s %7s %12s %10s %10s %10s %8s %8s  %10s %10s\n", "wires", "parts", "labels",
                "read+nets s", "parts s", "write s", "total s", "parts", "nets", "cpu s",
                "peak MiB");
    bool ok = true;
    int largestRun = 0;
    double largestSeconds = 0;
    for (int wires : sizes) {
        if (maxWires >= 0 && wires > maxWires) {
            std::printf("%8d  not run (--max-wires %ld)", wires, maxWires);
            if (largestRun > 0) {
                double scale = static_cast<double>(wires) / largestRun;
                std::printf(", about %.0f s by the square of the wires",
                            largestSeconds * scale * scale);
            }
            std::printf("\n");
            continue;
        }
        std::optional<double> seconds = MeasureSize(wires);
        ok = seconds.has_value() && ok;
        if (seconds && wires > largestRun) {
            largestRun = wires;
            largestSeconds = *seconds;
        }
    }
    return ok ? 0 : 1;
}
