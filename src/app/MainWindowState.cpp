#include "app/MainWindowState.h"

#include <memory>

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

// The part libraries, name tables, settings files, parts list filing and connectivity
// join here as they are built; until then a drawing's parts are kept in read order.
bool MainWindowState::LibrariesEmpty() { return true; }

void MainWindowState::LoadLibraries() {}

std::optional<reader::SymbolSize> MainWindowState::SymbolSizeOf(std::string_view) { return std::nullopt; }

void MainWindowState::CreateTables() { Tables.Create(Options, ui_); }

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
    return PartsList.Items.back().get();
}

void MainWindowState::BuildConnectivity(model::TWireList&) {}

}  // namespace app
