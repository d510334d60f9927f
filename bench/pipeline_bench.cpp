// SPDX-License-Identifier: GPL-3.0-or-later
// Time and peak memory of the whole pipeline (read + connectivity + nets + parts list +
// writing the three outputs) on generated drawings of growing size, with the indexed
// filing and connectivity and with the plain walks and nested loops they replace, side by
// side; and, where the window is built, of the window (offscreen) opening the same drawing
// until its pages show the result ("read+nets" and "total" are that time there), with the
// time to scroll its longest list to the end and to search it through.
//
//   pipeline_bench [--reference-limit SECONDS] [--wires-per-part N] [WIRES...]
//   pipeline_bench --write-drawing FOLDER WIRES [WIRES-PER-PART]
//
// The second form only writes the drawing of that size with its library and vorn.ini into
// FOLDER, for profiling the batch command on it.
//
// Each run happens in a fresh program of its own (the benchmark runs itself), so the peak resident
// size the kernel reports for that child belongs to that run alone. The drawing is a field of
// resistors of support/ResistorField.h (two wires a part unless --wires-per-part says more).
//
// Columns: the drawing (wires, parts, labels, file size); the algorithms; the seconds of
// reading with connectivity and nets, of finishing the parts list (pins, footprints, both
// views and the net view), of writing the NJP parts list and both netlists, and in all
// (wall time); the processor time; the peak resident size of the child, in all and per
// wire once the file size is taken off. The plain algorithms run only while their time,
// estimated by the square of the wires from their last run, stays under the limit (60 s
// unless given); their first run is at most 10 000 wires. Both runs of a size must write the same
// bytes, or the run fails.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/MainWindowState.h"
#ifdef VORNEXTRACT_HAVE_UI
#include <QApplication>
#include <QStackedWidget>

#include "ui/Dialogs.h"
#include "ui/ListWidget.h"
#include "ui/VornExtra01.h"
#endif
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ResistorField.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using Drawing = support::ResistorField;
using support::kFewestWiresPerPart;
using support::kMostWiresPerPart;
constexpr const char* kChildMode = "--run-child";
// The plain algorithms' first run is small enough to take well under the limit.
constexpr int kFirstReferenceWires = 10000;

struct Run {
    double Seconds = 0;
    double CpuSeconds = 0;
    double PeakMiB = 0;
    std::string Outputs;  // the three files' bytes, to compare the two runs
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The child: the batch command's flow on one drawing. Prints one line of stage times.
int RunPipeline(const fs::path& folder, const fs::path& drawing, bool reference) {
    support::RecordingUserInterface ui;
    auto start = Clock::now();
    app::MainWindowState state(
        ui, reference ? app::AlgorithmSet::Kind::Reference : app::AlgorithmSet::Kind::Indexed);
    state.UseUnshownViews();  // as the batch command does
    state.KeepDrawings = false;
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
    std::printf(" %10.3f %8.3f %8.3f %8.3f", Seconds(start, read), Seconds(read, finished),
                Seconds(finished, end), Seconds(start, end));
    std::fflush(stdout);
    return 0;
}

#ifdef VORNEXTRACT_HAVE_UI
// Messages are printed: nobody is there to press OK. The search text is the one asked for.
class PrintingDialogs : public ui::QtDialogService {
  public:
    void Message(QWidget*, const QString&, const QString& text, Kind) override {
        if (searchText.isEmpty()) {
            std::fprintf(stderr, "pipeline_bench: %s\n", text.toStdString().c_str());
            failed = true;
        } else {
            ++searchMessages;  // "not found", as the search is meant to end
        }
    }
    bool Prompt(QWidget*, const QString&, const QString&, QString& value) override {
        value = searchText;
        return true;
    }
    bool failed = false;
    QString searchText;
    int searchMessages = 0;
};

// The longest list, the parts view B, scrolled to its end and painted, then searched from its
// top for a text no cell holds, so every cell of every row is looked at. Printed on a line of
// its own to stderr, beside the table.
bool TimeLongestList(ui::TVornExtracts& window, PrintingDialogs& dialogs) {
    window.Pages->setCurrentIndex(ui::TVornExtracts::PartsListTab);
    window.PartsListViews->setCurrentWidget(window.PartsViewB);
    QApplication::processEvents();
    ui::ListWidget& list = *window.PartsViewB;
    const int rows = list.RowCount();
    auto start = Clock::now();
    list.scrollToBottom();
    list.viewport()->repaint();
    QApplication::processEvents();
    auto scrolled = Clock::now();
    dialogs.searchText = QString::fromUtf8("#none#");
    window.FindMnu->trigger();
    auto searched = Clock::now();
    std::fprintf(stderr, "           list of %d rows: scroll to the end %.3f s, search %.3f s\n",
                 rows, Seconds(start, scrolled), Seconds(scrolled, searched));
    return dialogs.searchMessages == 1;
}

// The child of a window run: the window opened on the drawing (offscreen) until its pages
// show the result, as a user waits for it.
int RunWindow(const fs::path& drawing) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform's notes would break the table's lines.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "pipeline_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    auto start = Clock::now();
    PrintingDialogs dialogs;
    ui::TVornExtracts window(dialogs, {drawing.string()});
    window.show();
    window.FormShow();
    QApplication::processEvents();
    auto end = Clock::now();
    window.State.NotSaved = false;  // nothing to ask on the way out
    if (dialogs.failed || window.State.PartsList.Count() == 0 ||
        !TimeLongestList(window, dialogs)) {
        return 1;
    }
    std::printf(" %10.3f %8s %8s %8.3f", Seconds(start, end), "-", "-", Seconds(start, end));
    std::fflush(stdout);
    return 0;
}
#endif

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One run in a fresh child; nothing when it failed.
enum class Face { Indexed, Plain, Window };

std::optional<Run> RunChild(const fs::path& folder, const fs::path& drawing, Face face) {
    for (const char* name : {"bench.njp", "bench.net", "bench_Protel.net"}) {
        fs::remove(folder / name);
    }
    std::fflush(stdout);
    auto start = Clock::now();
    pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (pid == 0) {
        // A fresh program, so the child's peak holds nothing of the parent's pages.
        const std::string folderText = folder.string();
        const std::string drawingText = drawing.string();
        const char* faceText = face == Face::Plain    ? "plain"
                               : face == Face::Window ? "window"
                                                      : "indexed";
        ::execl("/proc/self/exe", "pipeline_bench", kChildMode, folderText.c_str(),
                drawingText.c_str(), faceText, static_cast<char*>(nullptr));
        std::perror("exec");
        std::_Exit(1);
    }
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    Run run;
    run.Seconds = Seconds(start, Clock::now());
    run.CpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.PeakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    for (const char* name : {"bench.njp", "bench.net", "bench_Protel.net"}) {
        run.Outputs += ReadFile(folder / name);
    }
    return run;
}

void PrintRun(const Drawing& d, const Run& run) {
    const double perWire =
        (run.PeakMiB * 1024.0 * 1024.0 - static_cast<double>(d.FileBytes)) / d.Wires;
    std::printf(" %8.3f %9.1f %8.0f\n", run.CpuSeconds, run.PeakMiB, perWire);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    double referenceLimit = 60;
    int wiresPerPart = kFewestWiresPerPart;
    if (argc == 5 && std::string(argv[1]) == kChildMode) {
#ifdef VORNEXTRACT_HAVE_UI
        if (std::string(argv[4]) == "window") {
            return RunWindow(argv[3]);
        }
#endif
        return RunPipeline(argv[2], argv[3], std::string(argv[4]) == "plain");
    }
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--write-drawing") {
        const fs::path folder = argv[2];
        fs::create_directories(folder);
        support::WriteResistorLibrary(folder);
        const int perPart = argc == 5 ? std::atoi(argv[4]) : kFewestWiresPerPart;
        if (perPart < kFewestWiresPerPart || perPart > kMostWiresPerPart) {
            std::fprintf(stderr, "pipeline_bench: WIRES-PER-PART is 2 to 6\n");
            return 2;
        }
        Drawing d = support::WriteResistorField(std::atoi(argv[3]), perPart, folder / "bench.ce2");
        std::printf("%s: %d wires, %d parts, %d labels\n", (folder / "bench.ce2").c_str(), d.Wires,
                    d.Parts, d.Labels);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--reference-limit" && i + 1 < argc) {
            referenceLimit = std::atof(argv[++i]);
        } else if (arg == "--wires-per-part" && i + 1 < argc) {
            wiresPerPart = std::atoi(argv[++i]);
            if (wiresPerPart < kFewestWiresPerPart || wiresPerPart > kMostWiresPerPart) {
                std::fprintf(stderr, "pipeline_bench: --wires-per-part is 2 to 6\n");
                return 2;
            }
        } else if (arg == "-h" || arg == "--help") {
            std::printf(
                "usage: pipeline_bench [--reference-limit SECONDS] [--wires-per-part N] "
                "[WIRES...]\n"
                "       pipeline_bench --write-drawing FOLDER WIRES [WIRES-PER-PART]\n");
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
        sizes = {1000, 10000, 100000, 1000000};
    }
    std::printf("%8s %7s %6s %8s %-9s %10s %8s %8s %8s %8s %9s %8s\n", "wires", "parts", "labels",
                "file MiB", "algorithm", "read+nets", "parts", "write", "total s", "cpu s",
                "peak MiB", "B/wire");
    bool ok = true;
    int referenceWires = 0;
    double referenceSeconds = 0;
    for (int wires : sizes) {
        support::TempDir dir;
        support::ScopedEnv home("VORNEXTRACT_HOME", dir.Path().string());
        support::ScopedEnv registry("VORNEXTRACT_REGISTRY", dir / "registry.reg");
        support::ScopedEnv wine("WINEPREFIX", dir / "wine");
        support::WriteResistorLibrary(dir.Path());
        const fs::path drawing = dir.Path() / "bench.ce2";
        const Drawing d = support::WriteResistorField(wires, wiresPerPart, drawing);
        const auto lead = [&d](const char* algorithm) {
            std::printf("%8d %7d %6d %8.1f %-9s", d.Wires, d.Parts, d.Labels,
                        static_cast<double>(d.FileBytes) / (1024.0 * 1024.0), algorithm);
        };

        const auto runAndPrint = [&](Face face) {
            std::optional<Run> run = RunChild(dir.Path(), drawing, face);
            if (run) {
                PrintRun(d, *run);
            } else {
                std::printf("  FAILED\n");
                ok = false;
            }
            return run;
        };

        lead("indexed");
        std::optional<Run> indexed = runAndPrint(Face::Indexed);
        if (!indexed) {
            continue;
        }
#ifdef VORNEXTRACT_HAVE_UI
        lead("window");
        if (std::optional<Run> window = runAndPrint(Face::Window)) {
            std::printf("%8d  window / batch: time %.2f, peak %.2f\n", wires,
                        window->Seconds / indexed->Seconds, window->PeakMiB / indexed->PeakMiB);
        }
#endif

        lead("plain");
        const double scale = referenceWires ? static_cast<double>(wires) / referenceWires : 0;
        const double estimate = referenceSeconds * scale * scale;
        if (referenceWires && estimate > referenceLimit) {
            std::printf("  not run: about %.0f s by the square of the wires\n", estimate);
            continue;
        }
        if (!referenceWires && wires > kFirstReferenceWires) {
            std::printf("  not run: no smaller run to tell its time from\n");
            continue;
        }
        std::optional<Run> reference = runAndPrint(Face::Plain);
        if (!reference) {
            continue;
        }
        referenceWires = wires;
        referenceSeconds = reference->Seconds;
        if (reference->Outputs != indexed->Outputs) {
            std::printf("%8d  the two runs wrote different outputs\n", wires);
            ok = false;
        } else {
            std::printf("%8d  same outputs; plain / indexed time: %.1f\n", wires,
                        reference->Seconds / indexed->Seconds);
        }
    }
    return ok ? 0 : 1;
}
