#include "app/MainWindowState.h"

#include <memory>

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
bool MainWindowState::LibrariesEmpty() {
    return true;
}

void MainWindowState::LoadLibraries() {}

std::optional<reader::SymbolSize> MainWindowState::SymbolSizeOf(std::string_view) {
    return std::nullopt;
}

void MainWindowState::LoadDrawingNameTable() {}

void MainWindowState::LoadSettings() {}

model::TPartRec* MainWindowState::AddPart(const model::CCe2Part& record) {
    PartsList.Items.push_back(std::make_unique<model::TPartRec>(record));
    return PartsList.Items.back().get();
}

void MainWindowState::BuildConnectivity(model::TWireList&) {}

}  // namespace app
