// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Ce2Records.h"
#include "model/CommentList.h"
#include "model/DrawingGeometry.h"
#include "model/NetList.h"
#include "model/PartRec.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "model/WireList.h"
#include "reader/TitleBlock.h"
#include "settings/OptionValues.h"
#include "view/UserInterface.h"

// Loading one drawing: the file opened, its bytes parsed (reader/DrawingParse), the
// libraries, tables and settings of its folder brought in, its parts filed and its wires
// joined, and every failure told to the user.
namespace app {

// A part record as filed: the new record, the head of its physical part (itself unless it
// is a further unit) and the pins placed for it, which the head holds.
struct AddedPart {
    model::TPartRec* Unit = nullptr;
    model::TPartRec* Head = nullptr;
    std::vector<model::TPinRec*> Pins;
};

// What loading a drawing hands to the rest of the program: libraries, name tables,
// settings, the parts list and connectivity. MainWindowState implements it; a test can
// record the calls. Relative names are taken in the target's Folder.
class LoadServices {
  public:
    virtual ~LoadServices() = default;

    virtual bool LibrariesEmpty() = 0;
    virtual void LoadLibraries() = 0;
    virtual std::optional<reader::SymbolSize> SymbolSizeOf(std::string_view libName) = 0;
    // Loads "NameTable.Txt" of the drawings' folder into the per-drawing name list.
    virtual void LoadDrawingNameTable() = 0;
    virtual void LoadSettings() = 0;
    // Creates the part from its file record, converts its name, looks up its maker, files
    // it into the parts list and places its pins.
    virtual AddedPart AddPart(const model::CCe2Part& record) = 0;
    // Joins the file's geometry with the parts' new pins into this file's nets.
    virtual void BuildConnectivity(model::TWireList& wires) = 0;
};

// Everything of the main window that loading a drawing reads or changes.
struct DrawingLoadTarget {
    model::TPartsList& PartsList;
    model::TNetList& NetList;
    model::TCommentList& CommentList;
    const settings::TOptionValues& Options;
    model::TTitleFields& Titles;
    reader::TitleBlockMemory& TitleBlock;
    std::string& DataDir;  // CP932
    std::string& PreFile;  // CP932
    bool& NotSaved;
    // The drawings' folder: the folder of the drawing loaded last (when it exists), where
    // the editor's settings, the name table and the folder settings file are looked for.
    std::filesystem::path& Folder;
    view::UserInterface& Ui;
    LoadServices& Services;
    // Where the drawing's geometry goes, linked to its nets; null when nothing will show it.
    model::DrawingList* Drawings = nullptr;
};

// Loads one drawing file into the target, adding to what earlier files left there.
// `file` is absolute or relative to the program's working folder; `shownName` is how the
// caller named it, used in messages. What was read before a damaged record stays.
void LoadDrawing(const std::filesystem::path& file, DrawingLoadTarget& target,
                 const std::string& shownName);

// The net counter a drawing starts with: serial names begin at the next multiple of
// 10000, named-from-pins drawings use -1.
int NextNetCounter(int counter, bool serialNames);

}  // namespace app
