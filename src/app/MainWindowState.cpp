#include "app/MainWindowState.h"

#include <memory>

#include "library/LibraryFiles.h"
#include "platform/KeyStore.h"

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

void MainWindowState::LoadDrawingNameTable() {}

void MainWindowState::LoadSettings() {}

model::TPartRec* MainWindowState::AddPart(const model::CCe2Part& record) {
    PartsList.Items.push_back(std::make_unique<model::TPartRec>(record));
    return PartsList.Items.back().get();
}

void MainWindowState::BuildConnectivity(model::TWireList&) {}

}  // namespace app
