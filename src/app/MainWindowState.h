// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/AlgorithmSet.h"
#include "app/DrawingLoad.h"
#include "app/TableLookups.h"
#include "library/LibList.h"
#include "model/CommentList.h"
#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/TitleFields.h"
#include "netlist/DrawingLinks.h"
#include "netlist/PinConversion.h"
#include "output/ByteSink.h"
#include "output/GroupedPartsList.h"
#include "output/JsonResult.h"
#include "output/PartsListFiles.h"
#include "output/VisibleText.h"
#include "partslist/PartsListBuilder.h"
#include "platform/FileSet.h"
#include "platform/SafeWrite.h"
#include "reader/TitleBlock.h"
#include "settings/OptionValues.h"
#include "settings/WindowLayout.h"
#include "tables/ConversionTables.h"
#include "view/ListView.h"
#include "view/MemoryViews.h"
#include "view/UserInterface.h"

namespace app {

// The main window's own state and flows, free of any toolkit: the lists it owns, the
// option values, the title fields and the flags. The Qt window and the batch command are
// two faces of it.
class MainWindowState : public LoadServices {
  public:
    // `algorithms` is the set the run files and connects with (see AlgorithmSet).
    // `folder` is the drawings' folder until a drawing is read: where the program started.
    explicit MainWindowState(view::UserInterface& ui,
                             AlgorithmSet::Kind algorithms = AlgorithmSet::Kind::Indexed,
                             std::filesystem::path folder = WorkingFolder());
    // The folder the program was started in.
    static std::filesystem::path WorkingFolder();
    ~MainWindowState() override;
    MainWindowState(const MainWindowState&) = delete;
    MainWindowState& operator=(const MainWindowState&) = delete;

    // Reads one drawing, adding to what is loaded. `shownName` names it in messages.
    void ReadDrawing(const std::filesystem::path& file, const std::string& shownName);

    // The drawings' folder: that of the drawing read last, the starting folder before. The
    // editor's settings and libraries, the per-drawing name table, the folder settings file
    // and relative output names are taken there; the program's working folder never moves.

    const std::filesystem::path& DrawingFolder() const { return folder_; }

    view::UserInterface& Ui() { return ui_; }

    // After the drawings of one load: unconnected pins dropped, pins sorted, footprints and
    // silk names set, then both parts views and the net view shown.
    void FinishLoad();
    // Shows the net list in NetView and the net count; ErrorNetDispVisible tells whether
    // the shorts panel is to be shown.
    void ShowNets();
    // The pairs of nets the shorts view names (CP932).
    std::vector<std::pair<std::string, std::string>> ShortedNets() const;
    // Shows a part's corrected fields in its rows of the parts views.
    void ShowEditedPart(const model::TPartRec& part);
    // Empties the parts, comments and nets with their views before a replacing load.
    void ClearAll();
    // Window creation: after LoadSettings, the conversion tables from the folder it named.
    void CreateTables();
    // Writes both settings files; a file that cannot be written is reported once.
    void SaveSettings();

    // The output files. Each writes nothing while the parts list is empty, reports its own
    // failure, and clears the not-saved flag when its file is written; a target's path is
    // a file name (relative ones in the drawings' folder). True when the file was written.
    bool WritePartsListFile(const platform::OutputTarget& target, output::PartsListFormat format);
    bool WriteGroupedPartsListFile(const platform::OutputTarget& target,
                                   const output::BomOptions& options);
    bool WriteSimpleNetFile(const platform::OutputTarget& target);
    bool WriteKicadNetFile(const platform::OutputTarget& target);
    bool WriteJsonResultFile(const platform::OutputTarget& target,
                             const output::RunFindings& findings, output::TextEncoding encoding);
    bool WriteProtelNetFile(const platform::OutputTarget& target);
    // A picture of one drawing (SVG) with the marks given; it leaves the not-saved flag as
    // it was, since it saves none of the data.
    bool WriteDrawingPicture(const platform::OutputTarget& target,
                             const model::DrawingGeometry& drawing,
                             const netlist::DrawingMarks& marks);
    // False, and the user told, when the target is one of the files this run read (a
    // drawing, a library, a conversion table), under whatever name: an output must never
    // replace what it was made from.
    bool MayTakeOutput(const platform::OutputTarget& target);

    model::TPartsList PartsList;
    // The symbols of the editor's libraries. Kept beside the parts list rather than in it,
    // so the records of the model stay free of the library readers.
    library::TLibList LibList;
    model::TNetList NetList;
    model::TCommentList CommentList;
    // The geometry of each drawing read, in reading order, linked to the nets and parts.
    model::DrawingList Drawings;
    // Whether drawings keep their geometry: the batch command asks for it only for pictures.
    bool KeepDrawings = true;
    settings::TOptionValues Options;
    settings::TWindowLayout Layout;
    tables::TConversionTables Tables;
    model::TTitleFields Titles;
    reader::TitleBlockMemory TitleBlock;
    std::string DataDir;  // CP932
    std::string PreFile;  // CP932
    bool NotSaved = false;
    bool ShortHeaderShown = false;
    bool ErrorNetDispVisible = false;
    // The result views. They start as views held in memory (what the batch command uses);
    // the window points them at its own.
    view::ListView* PartsViewA = &memoryViews_[0];
    view::ListView* PartsViewB = &memoryViews_[1];
    view::ListView* NetView = &memoryViews_[2];
    view::ListView* ErrorNetView = &memoryViews_[3];
    // Without a window (the batch command), parts view A and the net view are never looked
    // at or read by an output: they then keep no texts.
    void UseUnshownViews();

    // The tables as parts list building and connectivity ask for them.
    TableLookups Lookups{Tables, Options};
    // LoadServices
    bool LibrariesEmpty() override;
    void LoadLibraries() override;
    std::optional<reader::SymbolSize> SymbolSizeOf(std::string_view libName) override;
    void LoadDrawingNameTable() override;
    void LoadSettings() override;
    AddedPart AddPart(const model::CCe2Part& record) override;
    void BuildConnectivity(model::TWireList& wires) override;

  private:
    // A relative output name taken in the drawings' folder; messages show it as given.
    platform::OutputTarget InDrawingFolder(const platform::OutputTarget& target) const;
    // Writes an output file as its bytes are made.
    bool SaveOutput(const platform::OutputTarget& target,
                    const std::function<void(output::ByteSink&)>& write, bool savesData = true);
    // The conversion tables just loaded, as inputs of the run.
    void NoteTableFiles();
    // Warns of the parts and nets whose control bytes the last output replaced.
    void WarnOfReplacedTexts();
    // The parts and nets named so far, so each is warned of once in a session.
    output::ReplacedTexts replacedTexts_;

    AlgorithmSet algorithms_;
    std::filesystem::path folder_;
    bool folderOfDrawing_ = false;  // folder_ came from a drawing read in this session

    // Every drawing, library and table read, which no output may replace.
    platform::FileSet inputFiles_;

    view::UserInterface& ui_;
    view::MemoryListView memoryViews_[4];
    view::UnshownListView unshownViews_[2];
};

}  // namespace app
