// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExternalEdit.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

#include "tables/TableFile.h"

extern char** environ;

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

int RunEditorAndWait(const std::string& editor, const std::filesystem::path& file) {
    if (editor.empty()) {
        return -1;
    }
    std::string program = editor;
    std::string argument = file.string();
    std::vector<char*> argv{program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
