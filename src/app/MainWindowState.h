#pragma once

#include <optional>
#include <string>

#include "model/CommentList.h"
#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "reader/DrawingReader.h"
#include "reader/ReaderServices.h"
#include "reader/TitleBlock.h"
#include "settings/OptionValues.h"
#include "settings/WindowLayout.h"
#include "tables/ConversionTables.h"
#include "view/UserInterface.h"

namespace app {

// The main window's own state and flows, free of any toolkit: the lists it owns, the
// option values, the title fields and the flags. The Qt window and the batch command are
// two faces of it.
class MainWindowState : public reader::ReaderServices {
public:
    explicit MainWindowState(view::UserInterface& ui);
    ~MainWindowState() override;
    MainWindowState(const MainWindowState&) = delete;
    MainWindowState& operator=(const MainWindowState&) = delete;

    // Reads one drawing, adding to what is loaded. `shownName` names it in messages.
    void ReadDrawing(const std::string& fileName, const std::string& shownName);

    view::UserInterface& Ui() { return ui_; }

    // Window creation: after LoadSettings, the conversion tables from the folder it named.
    void CreateTables();
    // Writes both settings files; a file that cannot be written is reported once.
    void SaveSettings();

    model::TPartsList PartsList;
    model::TNetList NetList;
    model::TCommentList CommentList;
    settings::TOptionValues Options;
    settings::TWindowLayout Layout;
    tables::TConversionTables Tables;
    model::TTitleFields Titles;
    reader::TitleBlockMemory TitleBlock;
    std::string DataDir;  // CP932
    std::string PreFile;  // CP932
    bool NotSaved = false;
    bool ShortHeaderShown = false;

    // ReaderServices
    bool LibrariesEmpty() override;
    void LoadLibraries() override;
    std::optional<reader::SymbolSize> SymbolSizeOf(std::string_view libName) override;
    void LoadDrawingNameTable() override;
    void LoadSettings() override;
    model::TPartRec* AddPart(const model::CCe2Part& record) override;
    void BuildConnectivity(model::TWireList& wires) override;

private:
    view::UserInterface& ui_;
};

}  // namespace app
