// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowState.h"

#include <memory>

#include "library/LibraryFiles.h"
#include "netlist/Connectivity.h"
#include "netlist/NetBuilder.h"
#include "netlist/PinPlacement.h"
#include "output/DrawingSvg.h"
#include "output/KicadNetlist.h"
#include "output/NetlistFiles.h"
#include "partslist/PartsListBuilder.h"
#include "partslist/PartsViews.h"
#include "platform/KeyStore.h"
#include "platform/SafeWrite.h"
#include "platform/WindowsPath.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"

namespace app {
namespace fs = std::filesystem;

MainWindowState::MainWindowState(view::UserInterface& ui, AlgorithmSet::Kind algorithms,
                                 fs::path folder)
    : algorithms_(algorithms), folder_(std::move(folder)), ui_(ui) {}

// Nets list pins that belong to parts: the nets go first.
MainWindowState::~MainWindowState() {
    NetList.Clear();
    PartsList.Clear();
}

void MainWindowState::ReadDrawing(const fs::path& file, const std::string& shownName) {
    inputFiles_.Add(file);
    DrawingLoadTarget target{PartsList,
                             NetList,
                             CommentList,
                             Options,
                             Titles,
                             TitleBlock,
                             DataDir,
                             PreFile,
                             NotSaved,
                             folder_,
                             ui_,
                             *this,
                             KeepDrawings ? &Drawings : nullptr};
    const AlgorithmSet::DrawingScope drawing(algorithms_);
    LoadDrawing(file, target, shownName);
    std::error_code ec;
    if (fs::is_directory(fs::absolute(file, ec).parent_path(), ec)) {
        folderOfDrawing_ = true;  // the load took it as the drawings' folder
    }
}

bool MainWindowState::LibrariesEmpty() {
    return LibList.Empty();
}

// The key store is read afresh each time, so an editor installed meanwhile is found.
void MainWindowState::LoadLibraries() {
    library::LoadLibraries(LibList, folder_, ui_, platform::KeyStore());
    for (const std::string& name : LibList.FileNames) {
        if (!name.empty()) {
            inputFiles_.Add(platform::ResolveWindowsPath(name, folder_));
        }
    }
}

std::optional<reader::SymbolSize> MainWindowState::SymbolSizeOf(std::string_view libName) {
    const library::TSymbolEntry* symbol = LibList.FindSymbol(libName);
    if (!symbol) {
        return std::nullopt;
    }
    library::SymbolSize size = library::TLibList::SizeOf(*symbol);
    return reader::SymbolSize{size.Width, size.Height};
}

void MainWindowState::CreateTables() {
    Tables.Create(Options, ui_, folder_);
    NoteTableFiles();
}

void MainWindowState::NoteTableFiles() {
    for (const fs::path& path : {Tables.NameLists->CommonPath(), Tables.Makers->FilePath(),
                                 Tables.Foot->FilePath(), Tables.PinCvt->FilePath()}) {
        inputFiles_.Add(path);
    }
}

// A drawing read before the window made its tables (the batch command) makes them now,
// from the conversion folder of the settings.
void MainWindowState::LoadDrawingNameTable() {
    if (!Tables.Created()) {
        LoadSettings();
        CreateTables();
    }
    Tables.LoadDrawingNameTable(folder_);
    inputFiles_.Add(tables::TNameLists::EachPath(folder_));
}

// A change of PinCvtEnv asks the window to redraw its net view; the window compares the
// option before and after.
void MainWindowState::LoadSettings() {
    settings::LoadSettings({Options, Layout, DataDir, PreFile, folder_});
    ui_.SetStatusPanel(view::kFolderPanel, DataDir);
}

void MainWindowState::SaveSettings() {
    std::size_t failedFiles =
        settings::SaveSettings({Options, Layout, DataDir, PreFile, folder_, folderOfDrawing_})
            .size();
    for (std::size_t i = 0; i < failedFiles; ++i) {
        ui_.ShowMessage(text::Sj("環境の保存が出来ません"));
    }
}

AddedPart MainWindowState::AddPart(const model::CCe2Part& record) {
    AddedPart added;
    auto placePins = [this, &added](model::TPartRec& head, model::TPartRec& unit) {
        const std::size_t before = head.Pins.size();
        netlist::PlacePins(unit, LibList, head);
        added.Head = &head;
        for (std::size_t i = before; i < head.Pins.size(); ++i) {
            added.Pins.push_back(head.Pins[i].get());
        }
    };
    added.Unit = algorithms_.AddPart(PartsList, record, Lookups, placePins);
    return added;
}

void MainWindowState::BuildConnectivity(model::TWireList& wires) {
    netlist::NetSettings settings{Options.NetSeparator, Options.PinCvtEnv};
    netlist::ShortsReporter shorts(ErrorNetView, ShortHeaderShown, PreFile);
    algorithms_.BuildConnectivity(wires, PartsList, NetList, Lookups, settings, shorts);
    if (KeepDrawings) {
        algorithms_.LayOutNets();  // the drawing's links find nets by name
    }
    ui_.SetWireCount(std::to_string(wires.Count()));
}

void MainWindowState::FinishLoad() {
    algorithms_.EndLoad();
    partslist::FinishParts(PartsList, Options.CR_SilkType, Lookups);
    partslist::ShowParts(PartsList, *PartsViewA, *PartsViewB, ui_, Lookups);
    ShowNets();
}

std::vector<std::pair<std::string, std::string>> MainWindowState::ShortedNets() const {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int row = 0; row < ErrorNetView->RowCount(); ++row) {
        if (!ErrorNetView->CellText(row, 1).empty()) {
            pairs.emplace_back(ErrorNetView->CellText(row, 0), ErrorNetView->CellText(row, 1));
        }
    }
    return pairs;
}

void MainWindowState::ShowEditedPart(const model::TPartRec& part) {
    partslist::ShowEditedPart(part, *PartsViewA, *PartsViewB, Lookups);
}

void MainWindowState::ShowNets() {
    ErrorNetDispVisible = netlist::ShowNets(NetList, *NetView, *ErrorNetView, ui_);
}

void MainWindowState::UseUnshownViews() {
    PartsViewA = &unshownViews_[0];
    NetView = &unshownViews_[1];
}

void MainWindowState::ClearAll() {
    algorithms_.EndLoad();
    ErrorNetView->Clear();
    ShortHeaderShown = false;
    Drawings.clear();  // the drawings point at nets and parts
    NetList.Clear();   // nets list pins of the parts: they go first
    partslist::ClearParts(PartsList, *PartsViewA, *PartsViewB, ui_);
    CommentList.Clear();
    NetView->Clear();
    NetList.NetCounter = -1;
    for (int panel : {view::kWireCountPanel, view::kDrawingsPanel}) {
        ui_.SetStatusPanel(panel, std::string());
    }
}

fs::path MainWindowState::WorkingFolder() {
    std::error_code ec;
    fs::path folder = fs::current_path(ec);
    return ec ? fs::path(".") : folder;
}

platform::OutputTarget MainWindowState::InDrawingFolder(
    const platform::OutputTarget& target) const {
    platform::OutputTarget resolved = target;
    if (!resolved.IsStandardOutput && resolved.Path.is_relative()) {
        resolved.Path = folder_ / resolved.Path;
    }
    return resolved;
}

bool MainWindowState::MayTakeOutput(const platform::OutputTarget& target) {
    if (target.IsStandardOutput || !inputFiles_.Contains(InDrawingFolder(target).Path)) {
        return true;
    }
    ui_.ShowMessage(text::Utf8ToCp932(target.Path.string()) +
                    text::Sj("\n\tは読み込んだファイルです。出力で置き換えません。"));
    return false;
}

bool MainWindowState::SaveOutput(const platform::OutputTarget& target,
                                 const std::function<void(output::ByteSink&)>& write,
                                 bool savesData) {
    if (!MayTakeOutput(target)) {
        return false;
    }
    auto produce = [&write](const platform::PieceWriter& piece) {
        output::ByteSink sink(piece);
        write(sink);
        sink.Flush();
    };
    const std::string shown = text::Utf8ToCp932(target.Path.string());
    const platform::SaveResult result = platform::SaveOutputFile(InDrawingFolder(target), produce);
    WarnOfReplacedTexts();
    switch (result) {
        case platform::SaveResult::Saved:
            NotSaved = NotSaved && !savesData;
            return true;
        case platform::SaveResult::CannotCreate:
            ui_.ShowMessage(shown + text::Sj("\n\tが作成出来ません。"));
            return false;
        case platform::SaveResult::CannotWrite:
            break;
    }
    ui_.ShowMessage(shown + text::Sj("\n\t書き込みが出来ません。"));
    return false;
}

void MainWindowState::WarnOfReplacedTexts() {
    for (const std::string& warning : replacedTexts_.TakeNew()) {
        ui_.ShowWarning(warning);
    }
}

bool MainWindowState::WritePartsListFile(const platform::OutputTarget& target,
                                         output::PartsListFormat format) {
    if (PartsList.Count() == 0) {
        return false;
    }
    return SaveOutput(target, [&](output::ByteSink& out) {
        output::WritePartsList(out, format, Titles, PartsList, &replacedTexts_);
    });
}

bool MainWindowState::WriteGroupedPartsListFile(const platform::OutputTarget& target,
                                                const output::BomOptions& options) {
    if (PartsList.Count() == 0) {
        return false;
    }
    return SaveOutput(target, [&](output::ByteSink& out) {
        output::WriteGroupedPartsList(out, options, Titles, PartsList,
                                      [this](int group) { return Lookups.GroupName(group); });
    });
}

bool MainWindowState::WriteSimpleNetFile(const platform::OutputTarget& target) {
    if (PartsList.Count() == 0) {
        return false;
    }
    netlist::NetSettings settings{Options.NetSeparator, Options.PinCvtEnv};
    auto pinName = [&settings](const model::TNetRec& net, int index) {
        return netlist::PinLabel(net, index, netlist::kPinLabelNetlist, settings);
    };
    return SaveOutput(target, [&](output::ByteSink& out) {
        output::WriteSimpleNet(out, PartsList, NetList, pinName, &replacedTexts_);
    });
}

bool MainWindowState::WriteDrawingPicture(const platform::OutputTarget& target,
                                          const model::DrawingGeometry& drawing,
                                          const netlist::DrawingMarks& marks) {
    return SaveOutput(
        target, [&](output::ByteSink& out) { output::WriteDrawingSvg(out, drawing, marks); },
        false);
}

bool MainWindowState::WriteKicadNetFile(const platform::OutputTarget& target) {
    if (PartsList.Count() == 0) {
        return false;
    }
    netlist::NetSettings settings{Options.NetSeparator, Options.PinCvtEnv};
    auto pinNumber = [&settings](const model::TPinRec& pin) {
        return netlist::PinNumberText(pin, settings);
    };
    return SaveOutput(target, [&](output::ByteSink& out) {
        output::WriteKicadNetlist(out, Titles, PartsList, NetList, pinNumber, "vornextract");
    });
}

bool MainWindowState::WriteJsonResultFile(const platform::OutputTarget& target,
                                          const output::RunFindings& findings,
                                          output::TextEncoding encoding) {
    if (PartsList.Count() == 0) {
        return false;
    }
    netlist::NetSettings settings{Options.NetSeparator, Options.PinCvtEnv};
    const std::string json = output::JsonResult(
        Titles, PartsList, NetList, findings,
        [&settings](const model::TPinRec& pin) { return netlist::PinNumberText(pin, settings); },
        [this](int group) { return Lookups.GroupName(group); });
    return SaveOutput(target, [&](output::ByteSink& out) {
        out += output::FileStart(encoding);
        out += encoding == output::TextEncoding::Cp932 ? text::Utf8ToCp932(json) : json;
    });
}

bool MainWindowState::WriteProtelNetFile(const platform::OutputTarget& target) {
    if (PartsList.Count() == 0) {
        return false;
    }
    return SaveOutput(target, [&](output::ByteSink& out) {
        output::WriteProtelNet(out, PartsList, NetList, &replacedTexts_);
    });
}

}  // namespace app
