// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMetaObject>

#include "app/ExternalEdit.h"
#include "app/FileAssociation.h"
#include "platform/KeyStore.h"
#include "platform/ProgramHome.h"
#include "text/Cp932.h"
#include "ui/VornExtra01.h"

namespace ui {

// The store is read afresh for each command, so changes made meanwhile are kept.
void TVornExtracts::RegistrationMnuClick() {
    platform::KeyStore store;
    app::RegisterAssociation(store, text::Utf8ToCp932(platform::ProgramPath().string()), ui_);
}

void TVornExtracts::RegistDelMnuClick() {
    platform::KeyStore store;
    app::RemoveAssociation(store, ui_);
}

// Only the wait runs on the worker; the window, the tables and their views are touched on
// the user-interface thread alone.
void TVornExtracts::EditorMnuClick(app::EditedTable table) {
    if (editorWait_.joinable()) {
        editorWait_.join();  // the earlier wait has ended: the window was enabled again
    }
    setEnabled(false);
    tableEditRunning_ = true;
    app::PrepareTableEdit(State, table);
    std::string editor = text::Cp932ToUtf8(State.Options.Editors);
    std::filesystem::path file = app::EditedTableFile(State, table);
    editorWait_ = std::thread([this, table, editor, file] {
        app::RunEditorAndWait(editor, file);
        QMetaObject::invokeMethod(
            this,
            [this, table] {
                app::ReloadEditedTable(State, table);
                tableEditRunning_ = false;
                setEnabled(true);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace ui
