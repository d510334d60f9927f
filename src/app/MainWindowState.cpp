#include "app/MainWindowState.h"

#include <memory>

#include "library/LibraryFiles.h"
#include "netlist/Connectivity.h"
#include "netlist/NetBuilder.h"
#include "netlist/PinPlacement.h"
#include "platform/KeyStore.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"

namespace app {

MainWindowState::MainWindowState(view::UserInterface& ui) : ui_(ui) {}

// Nets list pins that belong to parts: the nets go first.
MainWindowState::~MainWindowState() {
    NetList.Clear();
    PartsList.Clear();
}

void MainWindowState::ReadDrawing(const std::string& fileName, const std::string& shownName) {
    reader::DrawingReadTarget target{PartsList, NetList, CommentList, Options, Titles, TitleBlock,
                                     DataDir,   PreFile, NotSaved,    ui_,     *this};
    reader::ReadDrawing(fileName, target, shownName);
}

// The name tables, settings files and parts list filing join here as they are built;
// until then a drawing's parts are kept in read order.
bool MainWindowState::LibrariesEmpty() {
    return LibList.Empty();
}

// The key store is read afresh each time, so an editor installed meanwhile is found.
void MainWindowState::LoadLibraries() {
    library::LoadLibraries(LibList, ui_, platform::KeyStore());
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
    Tables.Create(Options, ui_);
}

// A drawing read before the window made its tables (the batch command) makes them now,
// from the conversion folder of the settings.
void MainWindowState::LoadDrawingNameTable() {
    if (!Tables.Created()) {
        LoadSettings();
        CreateTables();
    }
    Tables.LoadDrawingNameTable();
}

// A change of PinCvtEnv asks the window to redraw its net view; the window compares the
// option before and after.
void MainWindowState::LoadSettings() {
    settings::LoadSettings({Options, Layout, DataDir, PreFile});
    ui_.SetStatusPanel(2, DataDir);
}

void MainWindowState::SaveSettings() {
    std::size_t failedFiles = settings::SaveSettings({Options, Layout, DataDir, PreFile}).size();
    for (std::size_t i = 0; i < failedFiles; ++i) {
        ui_.ShowMessage(text::Sj("環境の保存が出来ません"));
    }
}

model::TPartRec* MainWindowState::AddPart(const model::CCe2Part& record) {
    PartsList.Items.push_back(std::make_unique<model::TPartRec>(record));
    model::TPartRec* part = PartsList.Items.back().get();
    netlist::PlacePins(*part, LibList, *part);
    return part;
}

void MainWindowState::BuildConnectivity(model::TWireList& wires) {
    netlist::NetSettings settings{Options.NetSeparator, Options.PinCvtEnv};
    netlist::ShortsReporter shorts(ErrorNetView, ShortHeaderShown, PreFile);
    netlist::BuildConnectivity(wires, PartsList, NetList, *PinCvt, settings, shorts);
    ui_.SetLabel9(std::to_string(wires.Count()));
}

void MainWindowState::ShowNets() {
    if (NetView && ErrorNetView) {
        ErrorNetDispVisible = netlist::ShowNets(NetList, *NetView, *ErrorNetView, ui_);
    }
}

// The parts views join here with the parts list builder.
void MainWindowState::ClearAll() {
    if (ErrorNetView) {
        ErrorNetView->Clear();
    }
    ShortHeaderShown = false;
    NetList.Clear();  // nets list pins of the parts: they go first
    PartsList.Clear();
    CommentList.Clear();
    if (NetView) {
        NetView->Clear();
    }
    ui_.EnableSaveMenu(false);
    NetList.NetCounter = -1;
    for (int panel : {0, 1, 3}) {
        ui_.SetStatusPanel(panel, std::string());
    }
}

}  // namespace app
