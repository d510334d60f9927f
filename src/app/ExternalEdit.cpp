// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExternalEdit.h"

#include "platform/Process.h"
#include "tables/TableFile.h"

namespace app {

std::filesystem::path EditedTableFile(const MainWindowState& state, EditedTable table) {
    const std::filesystem::path& folder = state.Tables.Folder();
    switch (table) {
        case EditedTable::EachNames:
            return tables::TNameLists::EachPath(state.DrawingFolder());
        case EditedTable::CommonNames:
            return folder / tables::TNameLists::kFileName;
        case EditedTable::Makers:
            return folder / tables::TMakerLists::kFileName;
        case EditedTable::Footprints:
            return folder / tables::TFootList::kFileName;
        case EditedTable::PinCvt:
            break;
    }
    return folder / tables::TPinCvtList::kFileName;
}

void PrepareTableEdit(MainWindowState& state, EditedTable table) {
    bool names = table == EditedTable::EachNames || table == EditedTable::CommonNames;
    if (names && state.Tables.NameLists) {
        state.Tables.NameLists->SaveModified(state.DrawingFolder());
    }
}

std::vector<std::string> EditorCommand(const std::string& editor,
                                       const std::filesystem::path& file) {
    std::vector<std::string> words = platform::SplitCommandLine(editor);
    bool placed = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        for (std::size_t at = words[i].find("%1"); at != std::string::npos;
             at = words[i].find("%1", at + file.string().size())) {
            words[i].replace(at, 2, file.string());
            placed = true;
        }
    }
    if (!words.empty() && !placed) {
        words.push_back(file.string());
    }
    return words;
}

bool EditorAvailable(const std::string& editor) {
    const std::vector<std::string> words = platform::SplitCommandLine(editor);
    return !words.empty() && platform::ProgramExists(words.front());
}

int RunEditorAndWait(const std::string& editor, const std::filesystem::path& file) {
    const std::vector<std::string> command = EditorCommand(editor, file);
    return command.empty() ? -1 : platform::RunProgram(command);
}

bool OpenInDesktopEditor(const std::filesystem::path& file) {
    return platform::RunProgram({"xdg-open", file.string()}) == 0;
}

void ReloadEditedTable(MainWindowState& state, EditedTable table) {
    tables::TConversionTables& tables = state.Tables;
    switch (table) {
        case EditedTable::EachNames:
            tables.LoadDrawingNameTable(state.DrawingFolder());
            break;
        case EditedTable::CommonNames:
            if (tables.NameLists) {
                tables.NameLists->LoadList(tables.NameLists->CommonPath(),
                                           *tables.Views.NameCvtView, tables::NameList::Common,
                                           state.DrawingFolder());
            }
            break;
        case EditedTable::Makers:
            if (tables.Makers) {
                tables.Makers->LoadMakers(*tables.Views.MakerView);
            }
            break;
        case EditedTable::Footprints:
            if (tables.Foot) {
                tables.Foot->LoadFoot(*tables.Views.FootView);
            }
            break;
        case EditedTable::PinCvt:
            if (tables.PinCvt) {
                tables.PinCvt->LoadPinCvt(*tables.Views.PinCvtView, state.Ui());
            }
            break;
    }
}

}  // namespace app
