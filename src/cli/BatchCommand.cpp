// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchCommand.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <set>
#include <string_view>

#include "app/MainWindowState.h"
#include "app/ProgramVersion.h"
#include "cli/ConsoleUserInterface.h"
#include "model/CountTexts.h"
#include "netlist/DrawingLinks.h"
#include "output/OutputNames.h"
#include "partslist/PartsViews.h"
#include "platform/KeyStore.h"
#include "platform/Links.h"
#include "platform/ProgramHome.h"
#include "platform/SafeWrite.h"
#include "tables/TableFile.h"
#include "text/Cp932.h"

namespace cli {
namespace fs = std::filesystem;

namespace {

std::optional<output::PartsListFormat> FormatNamed(std::string_view name) {
    if (name == "njp") {
        return output::PartsListFormat::Njp;
    }
    if (name == "csv") {
        return output::PartsListFormat::Csv;
    }
    if (name == "txt") {
        return output::PartsListFormat::Txt;
    }
    return std::nullopt;
}

// Takes the value of an option given as "--name VALUE" or "--name=VALUE".
bool TakeValue(std::string_view arg, std::string_view name, int& i, int argc,
               const char* const* argv, std::string& value, std::string& error) {
    if (arg == name) {
        if (i + 1 >= argc) {
            error = "option " + std::string(name) + " needs a value";
            return true;
        }
        value = argv[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

void SetError(CommandLine& command, const std::string& error) {
    if (command.Error.empty()) {
        command.Error = error;
    }
}

fs::path Absolute(const std::string& name, const fs::path& base) {
    fs::path p(name);
    return p.is_absolute() ? p : (base / p).lexically_normal();
}

// One output file: where it goes, and whether the program named it (then it must stay in
// the folder it was named for) or the user did.
struct PlannedOutput {
    platform::OutputTarget Target;
    bool Derived = false;
    std::size_t Drawing = 0;  // a picture's drawing, in reading order
};

// What the outputs are called and where they go.
struct OutputPlan {
    std::optional<PlannedOutput> Parts;
    std::optional<PlannedOutput> Net;
    std::optional<PlannedOutput> Protel;
    std::optional<PlannedOutput> Kicad;
    // One picture per drawing, and what they mark.
    std::vector<PlannedOutput> Pictures;
    netlist::DrawingMarks Marks;

    std::vector<const PlannedOutput*> All() const {
        std::vector<const PlannedOutput*> all;
        for (const auto* output : {&Parts, &Net, &Protel, &Kicad}) {
            if (*output) {
                all.push_back(&**output);
            }
        }
        for (const PlannedOutput& picture : Pictures) {
            all.push_back(&picture);
        }
        return all;
    }
    bool UsesStandardOutput() const {
        auto all = All();
        return std::any_of(all.begin(), all.end(), [](const PlannedOutput* output) {
            return output->Target.IsStandardOutput;
        });
    }
};

std::optional<PlannedOutput> GivenOutput(const std::optional<std::string>& name,
                                         const fs::path& start) {
    if (!name) {
        return std::nullopt;
    }
    if (*name == "-") {
        return PlannedOutput{platform::OutputTarget::StandardOutput()};
    }
    return PlannedOutput{Absolute(*name, start)};
}

PlannedOutput DerivedOutput(fs::path path) {
    return PlannedOutput{std::move(path), true};
}

// The names the save dialog proposes on a first save: the parts list number (in the
// folder of the last drawing read) or the first drawing's name, with each kind's ending.
OutputPlan ProposedOutputs(const app::MainWindowState& state, const fs::path& firstDrawing,
                           output::PartsListFormat format) {
    OutputPlan plan;
    const std::string extension = output::PartsListExtension(format);
    if (!state.Titles.ListNumber.empty()) {
        std::string name = output::ProposedPartsListName("", state.Titles.ListNumber, "", format);
        plan.Parts = DerivedOutput(state.DrawingFolder() / text::Cp932ToUtf8(name));
    } else {
        plan.Parts = DerivedOutput(fs::path(firstDrawing).replace_extension(extension));
    }
    plan.Net = DerivedOutput(fs::path(firstDrawing).replace_extension(".net"));
    plan.Protel =
        DerivedOutput(firstDrawing.parent_path() / (firstDrawing.stem().string() + "_Protel.net"));
    return plan;
}

// A name the program made up is never followed out of its folder: a link planted in a
// received folder would otherwise have the run replace a file anywhere the user may write.
bool StaysInItsFolder(const PlannedOutput& output, view::UserInterface& ui) {
    const fs::path& path = output.Target.Path;
    std::optional<fs::path> destination = platform::LinkDestination(path);
    if (!output.Derived || !destination || platform::LiesInside(*destination, path.parent_path())) {
        return true;
    }
    ui.ShowMessage(text::Utf8ToCp932(path.string()) + text::Sj("\n\tは図面のフォルダの外 (") +
                   text::Utf8ToCp932(destination->string()) +
                   text::Sj(") を指すリンクなので書き込みません。"));
    return false;
}

// Every output is checked before the first is written, so a refused one leaves all the
// files as they were; each refusal is told.
bool OutputsAllowed(app::MainWindowState& state, const OutputPlan& plan, view::UserInterface& ui) {
    bool allowed = true;
    for (const PlannedOutput* output : plan.All()) {
        allowed = StaysInItsFolder(*output, ui) && state.MayTakeOutput(output->Target) && allowed;
    }
    return allowed;
}

// Writes the planned files and lists each one written.
void WriteOutputs(app::MainWindowState& state, const CommandLine& command, const OutputPlan& plan,
                  output::PartsListFormat format, const output::RunFindings& findings,
                  std::ostream& listing) {
    auto list = [&listing](bool written, const PlannedOutput& output) {
        if (written) {
            listing << output.Target.Path.string() << '\n';
        }
    };
    if (plan.Parts) {
        bool written = false;
        if (command.GroupedList) {
            written = state.WriteGroupedPartsListFile(plan.Parts->Target, command.Bom);
        } else if (command.JsonResult) {
            written = state.WriteJsonResultFile(plan.Parts->Target, findings, command.Bom.Encoding);
        } else {
            written = state.WritePartsListFile(plan.Parts->Target, format);
        }
        list(written, *plan.Parts);
    }
    if (plan.Net) {
        list(state.WriteSimpleNetFile(plan.Net->Target), *plan.Net);
    }
    if (plan.Protel) {
        list(state.WriteProtelNetFile(plan.Protel->Target), *plan.Protel);
    }
    if (plan.Kicad) {
        list(state.WriteKicadNetFile(plan.Kicad->Target), *plan.Kicad);
    }
    for (const PlannedOutput& picture : plan.Pictures) {
        std::error_code ec;
        fs::create_directories(picture.Target.Path.parent_path(), ec);  // a failure is told below
        list(
            state.WriteDrawingPicture(picture.Target, *state.Drawings[picture.Drawing], plan.Marks),
            picture);
    }
}

// A picture per drawing in the --svg folder, named after the drawing; a name met before
// gets "-2", "-3", ... The marks: the shorts, and the nets --highlight names; a name that
// is no net is warned of and counted as a finding.
void PlanPictures(OutputPlan& plan, const CommandLine& command, const app::MainWindowState& state,
                  const fs::path& start, std::ostream& err, int& findings) {
    if (!command.SvgFolder) {
        return;
    }
    const fs::path folder = Absolute(*command.SvgFolder, start);
    std::set<std::string> taken;
    for (std::size_t i = 0; i < state.Drawings.size(); ++i) {
        const std::string stem = state.Drawings[i]->Path.stem().string();
        std::string name = stem + ".svg";
        for (int n = 2; !taken.insert(name).second; ++n) {
            name = stem + "-" + std::to_string(n) + ".svg";
        }
        plan.Pictures.push_back({folder / name, true, i});
    }
    plan.Marks.FindShorts(state.Drawings);
    for (const std::string& name : command.Highlights) {
        if (const model::TNetRec* net = netlist::NetNamed(state.NetList, text::Utf8ToCp932(name))) {
            plan.Marks.HighlightedNets.insert(net);
        } else {
            err << "警告: ネット " << name << " はありません (--highlight)\n";
            ++findings;
        }
    }
}

// The files named on the command line, else the names the save dialog would propose. A
// run asking for pictures only writes pictures only.
OutputPlan PlanOutputs(const CommandLine& command, const app::MainWindowState& state,
                       const fs::path& start, const fs::path& firstDrawing,
                       output::PartsListFormat format) {
    if (command.PartsFile || command.NetFile || command.ProtelFile || command.KicadFile ||
        command.SvgFolder) {
        OutputPlan plan;
        plan.Parts = GivenOutput(command.PartsFile, start);
        plan.Net = GivenOutput(command.NetFile, start);
        plan.Protel = GivenOutput(command.ProtelFile, start);
        plan.Kicad = GivenOutput(command.KicadFile, start);
        return plan;
    }
    return ProposedOutputs(state, firstDrawing, format);
}

// Outputs made from a drawing read only in part, or without its libraries, would replace
// good files with wrong ones: after a failed read (`holdBack`) nothing is written, and the
// user decides with --force. Without parts nothing is written either, as the warning of
// the caller says.
void WriteWhenSound(app::MainWindowState& state, const CommandLine& command, const OutputPlan& plan,
                    output::PartsListFormat format, const output::RunFindings& findings,
                    bool holdBack, std::ostream& report, std::ostream& err) {
    if (state.PartsList.Count() == 0) {
        return;
    }
    if (holdBack) {
        err << "読み込みでエラーがあったため、ファイルは書き込んでいません"
               " (--force で書き込みます)\n";
    } else if (OutputsAllowed(state, plan, state.Ui())) {
        WriteOutputs(state, command, plan, format, findings, report);
    }
}

// Shorts and parts that ended without pins, as the window would show them; returns how
// many there were.
int ReportFindings(const app::MainWindowState& state, std::ostream& err) {
    int findings = 0;
    const view::ListView& shorts = *state.ErrorNetView;
    for (int row = 0; row < shorts.RowCount(); ++row) {
        std::string first = text::Cp932ToUtf8(shorts.CellText(row, 0));
        std::string second = text::Cp932ToUtf8(shorts.CellText(row, 1));
        if (second.empty()) {
            err << "ショートしているネット (" << first << ")\n";
        } else {
            err << "ショートしているネット: " << first << " / " << second << '\n';
            ++findings;
        }
    }
    for (const auto& part : state.PartsList.Items) {
        if (part->HasRef() && part->Pins.empty()) {
            err << "警告: " << text::Cp932ToUtf8(part->RefText()) << " ("
                << text::Cp932ToUtf8(part->CvtNameText()) << ") にはつながったピンがありません\n";
            ++findings;
        }
    }
    return findings;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine command;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string value;
        std::string error;
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            command.Drawings.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--batch") {
            command.Batch = true;
        } else if (arg == "--strict") {
            command.Strict = true;
        } else if (arg == "--force") {
            command.Force = true;
        } else if (arg == "-v" || arg == "--verbose") {
            command.Verbose = true;
        } else if (arg == "-h" || arg == "--help") {
            command.Help = true;
        } else if (arg == "-V" || arg == "--version") {
            command.Version = true;
        } else if (TakeValue(arg, "--parts", i, argc, argv, value, error)) {
            command.PartsFile = value;
        } else if (TakeValue(arg, "--net", i, argc, argv, value, error)) {
            command.NetFile = value;
        } else if (TakeValue(arg, "--protel", i, argc, argv, value, error)) {
            command.ProtelFile = value;
        } else if (TakeValue(arg, "--kicad", i, argc, argv, value, error)) {
            command.KicadFile = value;
        } else if (TakeValue(arg, "--format", i, argc, argv, value, error)) {
            command.GroupedList = value == "bom";
            command.JsonResult = value == "json";
            command.Format = FormatNamed(value);
            if (!command.Format && !command.GroupedList && !command.JsonResult && error.empty()) {
                error = "unknown format: " + value + " (njp, csv, txt, bom or json)";
            }
        } else if (TakeValue(arg, "--fields", i, argc, argv, value, error)) {
            command.BomOptionGiven = true;
            if (auto fields = output::ParseBomFields(value, error)) {
                command.Bom.Fields = *fields;
            }
        } else if (arg == "--no-ranges") {
            command.BomOptionGiven = true;
            command.Bom.Ranges = false;
        } else if (TakeValue(arg, "--svg", i, argc, argv, value, error)) {
            command.SvgFolder = value;
        } else if (TakeValue(arg, "--highlight", i, argc, argv, value, error)) {
            command.Highlights.push_back(value);
        } else if (TakeValue(arg, "--encoding", i, argc, argv, value, error)) {
            command.EncodingGiven = true;
            if (auto encoding = output::EncodingNamed(value)) {
                command.Bom.Encoding = *encoding;
            } else if (error.empty()) {
                error = "unknown encoding: " + value + " (utf-8, utf-8-bom or cp932)";
            }
        } else {
            error = "unknown option: " + std::string(arg);
        }
        if (!error.empty()) {
            SetError(command, error);
        }
    }
    if (command.BomOptionGiven && !command.GroupedList) {
        SetError(command, "--fields and --no-ranges go with --format bom");
    }
    if (!command.Highlights.empty() && !command.SvgFolder) {
        SetError(command, "--highlight goes with --svg");
    }
    if (command.EncodingGiven && !command.GroupedList && !command.JsonResult) {
        SetError(command, "--encoding goes with --format bom or json");
    }
    return command;
}

std::string VersionText() {
    return std::string("vornextract ") + app::kProgramVersion + "\n";
}

// Where each file lives, with the folders of this run resolved.
std::string FilesText() {
    const std::string home = platform::ProgramHome().string();
    return "\n"
           "Files (HOME is $VORNEXTRACT_HOME, else the program's own folder when it holds\n"
           "vornextract.INI, else $XDG_CONFIG_HOME/vornextract; here: " +
           home +
           "):\n"
           "  HOME/vornextract.INI  program settings: window, options, conversion folder\n"
           "  vornextract.INI       folder settings, beside the drawing read last; written\n"
           "                        only by the window, after a drawing was read\n"
           "  " +
           platform::KeyStore::DefaultPath().string() +
           "\n"
           "                        key store ($VORNEXTRACT_REGISTRY): file association,\n"
           "                        the editor's open command\n"
           "  NameTable.Txt, MakerTable.Txt, FootPrintList.txt, PinCvtList.txt\n"
           "                        conversion tables in the CvtDir setting's folder\n"
           "                        (HOME by default); a NameTable.Txt beside a drawing\n"
           "                        converts that folder's drawings first\n"
           "  vorn.ini              the editor's settings naming its libraries: beside the\n"
           "                        drawing, else in the editor's folder\n";
}

std::string UsageText() {
    return "Usage: vornextract [OPTION]... [DRAWING.ce2]...\n"
           "Reads Vorn schematic drawings and extracts their netlist and parts list.\n"
           "The drawings are read in order, each added to the ones before.\n"
           "\n"
           "  --batch          work without a window (also the default when no display is set)\n"
           "  --parts FILE     write the parts list to FILE\n"
           "  --net FILE       write the simple netlist to FILE\n"
           "  --protel FILE    write the Protel netlist to FILE\n"
           "  --kicad FILE     write KiCad's netlist to FILE, for its board editor (UTF-8;\n"
           "                   footprints as the footprint list names them, e.g.\n"
           "                   Resistor_SMD:R_0603_1608Metric)\n"
           "  --format FORMAT  parts list layout: njp, csv or txt (default: the PListType "
           "setting),\n"
           "                   or bom: one CSV row per distinct part with its quantity and\n"
           "                   references (\"R1-R4, R7\"), a header row, UTF-8\n"
           "  --fields LIST    bom columns, comma-separated, in order (default:\n"
           "                   references,quantity,name,maker,footprint); also group, silk,\n"
           "                   note and the title fields designer, design-date, project,\n"
           "                   design-name, design-number, list-number\n"
           "  --no-ranges      bom: every reference written out (R1, R2, R3, R4)\n"
           "  --encoding ENC   bom and json: utf-8 (default), utf-8-bom or cp932\n"
           "  --format json    the whole result for scripts (title fields, parts with pins\n"
           "                   and nets, nets, shorted nets, parts without pins, messages;\n"
           "                   \"schema_version\" 1) in place of the parts list\n"
           "  --svg FOLDER     write a picture of each drawing to FOLDER/DRAWING.svg: shorted\n"
           "                   nets in red, unconnected pins ringed in orange\n"
           "  --highlight NET  with --svg: draw the net NET in blue above the rest (repeatable)\n"
           "  --strict         exit with 3 when nets are shorted or parts have no pins\n"
           "  --force          write the files even when a drawing or library failed to read\n"
           "  -v, --verbose    print the reading progress on standard error\n"
           "  -h, --help       show this help and exit\n"
           "  -V, --version    show the version and exit\n"
           "  --               treat every later argument as a drawing\n"
           "\n"
           "Without --parts, --net, --protel, --kicad and --svg the first three are written\n"
           "under the names the save dialog proposes: the parts list number (from the\n"
           "drawing) or the first drawing's name with the layout's extension, DRAWING.net\n"
           "and DRAWING_Protel.net.\n"
           "A FILE of - is standard output (the list and counts then go to standard error).\n"
           "No file is written when a drawing or library failed to read (unless --force),\n"
           "when an output is one of the files read, or when a proposed name is a link\n"
           "leading out of the drawing's folder.\n"
           "Settings are read as the window reads them and never written.\n"
           "\n"
           "Examples:\n"
           "  vornextract --batch --format bom --parts board_bom.csv board.ce2\n"
           "      References,Quantity,Name,Maker,Footprint\n"
           "      \"R1-R4, R7\",5,RK73B1JT103J,KOA,Resistor_SMD:R_0603_1608Metric\n"
           "  vornextract --batch --format bom --fields references,quantity,name,note \\\n"
           "      --no-ranges --encoding utf-8-bom --parts - board.ce2\n"
           "  vornextract --batch --format json --parts - board.ce2 | jq '.nets | length'\n"
           "  vornextract --batch --svg pictures --highlight VCC --highlight GND board.ce2\n"
           "      pictures/board.svg\n"
           "  vornextract --batch --kicad board.kicad.net board.ce2\n"
           "      (export (version \"E\") ... (comp (ref \"R1\") (value \"RK73B1JT103J\")\n"
           "      (footprint \"Resistor_SMD:R_0603_1608Metric\") ...)\n"
           "\n"
           "Standard output: one line per file written, then the parts and nets counts.\n"
           "Standard error: messages, shorted nets and parts without pins, in UTF-8.\n"
           "Exit status:\n"
           "  0  success\n"
           "  1  an error message was shown (a drawing, library or output file failed, or an\n"
           "     output was refused)\n"
           "  2  the command line was not understood\n"
           "  3  with --strict: shorted nets or parts without pins, and nothing else failed\n";
}

int HandleInformational(const CommandLine& command, std::ostream& out, std::ostream& err) {
    if (!command.Error.empty()) {
        err << "vornextract: " << command.Error << "\n\n" << UsageText();
        return kExitUsage;
    }
    if (command.Help) {
        out << UsageText() << FilesText();
        return kExitOk;
    }
    if (command.Version) {
        out << VersionText();
        return kExitOk;
    }
    return -1;
}

namespace {

int RunBatchCommand(const CommandLine& command, std::ostream& out, std::ostream& err) {
    int info = HandleInformational(command, out, err);
    if (info >= 0) {
        return info;
    }
    if (command.Drawings.empty()) {
        err << "vornextract: no drawing given\n\n" << UsageText();
        return kExitUsage;
    }
    // Names given are taken in the folder the command started in; messages still show each
    // name as given.
    const fs::path start = app::MainWindowState::WorkingFolder();
    std::vector<fs::path> drawings;
    for (const std::string& drawing : command.Drawings) {
        drawings.push_back(Absolute(drawing, start));
    }

    ConsoleUserInterface ui(err, command.Verbose);
    app::MainWindowState state(ui, app::AlgorithmSet::Kind::Indexed, start);
    state.UseUnshownViews();
    state.KeepDrawings = command.SvgFolder.has_value();
    state.LoadSettings();
    state.CreateTables();
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        state.ReadDrawing(drawings[i].string(), command.Drawings[i]);
    }
    state.FinishLoad();

    // The grouped list is a CSV file and takes that layout's name (so does the JSON result).
    const output::PartsListFormat format =
        command.GroupedList || command.JsonResult
            ? output::PartsListFormat::Csv
            : command.Format.value_or(
                  static_cast<output::PartsListFormat>(std::clamp(state.Options.PListType, 0, 2)));
    OutputPlan plan = PlanOutputs(command, state, start, drawings.front(), format);
    int findings = 0;
    PlanPictures(plan, command, state, start, err, findings);
    // With an output on standard output, the report must not mix into it.
    std::ostream& report = plan.UsesStandardOutput() ? err : out;
    const output::RunFindings result{state.ShortedNets(), ui.Said()};
    WriteWhenSound(state, command, plan, format, result, ui.MessageCount() > 0 && !command.Force,
                   report, err);

    findings += ReportFindings(state, err);
    if (state.PartsList.Count() == 0) {
        err << "警告: 部品がないため、ファイルは書き込んでいません\n";
        ++findings;
    }
    report << text::Cp932ToUtf8(model::PartsCountText(state.PartsList.Items.size()) + "  " +
                                model::NetsCountText(state.NetList.Items.size()))
           << '\n';
    if (ui.MessageCount() > 0) {
        return kExitMessages;
    }
    return (command.Strict && findings > 0) ? kExitStrict : kExitOk;
}

}  // namespace

int RunBatch(const CommandLine& command, std::ostream& out, std::ostream& err) {
    // A drawing or library can ask for more memory than there is (a symbol of thousands of
    // pins placed thousands of times): that ends the run with a message, not an abort.
    try {
        return RunBatchCommand(command, out, err);
    } catch (const std::bad_alloc&) {
        err << text::Cp932ToUtf8(tables::OutOfMemoryMessage())
            << " 読み込みを中止しました。ファイルは書き込んでいません。\n";
        return kExitMessages;
    }
}

}  // namespace cli
